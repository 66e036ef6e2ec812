// artgen and contactsheet as programs: they refuse bad input with a message and write what they claim.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "ArtFiles.h"

namespace {

struct Scratch {
    std::filesystem::path dir;
    // The process id keeps two runs of the suite at once out of each other's way.
    explicit Scratch(const char* name)
        : dir(std::filesystem::path(testing::TempDir()) / (name + std::string("-") + std::to_string(getpid()))) {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::string file(const char* name) const { return (dir / name).string(); }
};

// Runs a command, returning its exit status and what it printed on stderr.
int run(const std::string& command, const Scratch& scratch, std::string& errors) {
    const std::string log = scratch.file("stderr.txt");
    const int status = std::system((command + " 2>" + log).c_str());
    std::ifstream in(log);
    errors.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return status;
}

TEST(ArtTools, ArtgenRefusesBadInvocationsWithAReason) {
    Scratch scratch("lnf_art_tool_refusals");
    std::ofstream(scratch.file("broken.txt")) << "archive x 0\nentry x 0 30 32 alpha\n";
    struct Case {
        std::string arguments;
        const char* problem;
    };
    const Case cases[] = {
        {"", "usage"},
        {std::string(LNF_ART_CATALOG) + " " + scratch.dir.string() + " nosuch", "no archive nosuch"},
        {scratch.file("missing.txt") + " " + scratch.dir.string(), "cannot open"},
        {scratch.file("broken.txt") + " " + scratch.dir.string(), "line 2"},
        {std::string(LNF_ART_CATALOG) + " " + scratch.file("no/such/dir") + " e_s", "cannot create"},
    };
    for (const Case& c : cases) {
        std::string errors;
        EXPECT_NE(run(std::string(LNF_ARTGEN) + " " + c.arguments, scratch, errors), 0) << c.arguments;
        EXPECT_NE(errors.find(c.problem), std::string::npos) << c.arguments << ": " << errors;
    }
}

TEST(ArtTools, ContactSheetsCoverEveryArchiveAndAreLargerThanTheirEntries) {
    Scratch scratch("lnf_art_contact");
    std::string errors;
    ASSERT_EQ(run(std::string(LNF_CONTACTSHEET) + " " + LNF_ART_CATALOG + " " + LNF_ART_DIR + " " +
                      scratch.dir.string(),
                  scratch, errors),
              0)
        << errors;
    for (const art::Archive& archive : artCatalog().archives) {
        art::Image sheet;
        std::string error;
        ASSERT_TRUE(art::readPng(scratch.file((archive.name + ".png").c_str()), sheet, error)) << error;
        for (const art::Entry& entry : archive.entries) {
            EXPECT_GT(sheet.width, entry.width) << archive.name;
            EXPECT_GT(sheet.height, entry.height) << archive.name;
        }
    }
    EXPECT_NE(run(std::string(LNF_CONTACTSHEET) + " " + LNF_ART_CATALOG + " " + scratch.file("nopngs") + " " +
                      scratch.dir.string(),
                  scratch, errors),
              0);
    EXPECT_NE(errors.find("cannot open"), std::string::npos) << errors;
}

}  // namespace
