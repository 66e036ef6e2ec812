// A headless backend installed for the length of one test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/HeadlessBackend.h"

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setBackend(&backend); }
    void TearDown() override { platform::setBackend(nullptr); }

    int countLog(const std::string& needle) const
    {
        int count = 0;
        for (const std::string& line : backend.logLines())
            count += line.find(needle) != std::string::npos;
        return count;
    }

    platform::HeadlessBackend backend;
};
