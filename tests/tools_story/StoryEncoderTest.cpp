// The story encoder: its layout of pages, its stored form, and what it refuses.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include <iconv.h>

#include <cstdio>
#include <filesystem>

#include "StoryEncoder.h"
#include "TempDir.h"
#include "data/StoryText.h"

namespace {

std::string repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// A source whose blocks are the given bodies, then fillers up to count blocks.
std::string storySource(const std::vector<std::string>& bodies, int count = 11) {
    std::string source;
    for (int b = 0; b < count; ++b) {
        source += "== " + std::to_string(b) + ": block ==\n";
        source += b < static_cast<int>(bodies.size()) ? bodies[b] : "@0\nあ\n";
    }
    return source;
}

// Undoes the stored form: every byte but the line feed lowered by one.
std::string decoded(const tools::Bytes& stored) {
    std::string text;
    for (std::uint8_t b : stored) text += static_cast<char>(b == 0x0A ? b : b - 1);
    return text;
}

std::string shiftJis(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    std::string input = utf8, output(utf8.size() * 2 + 4, '\0');
    char* in = input.data();
    char* out = output.data();
    std::size_t inLeft = input.size(), outLeft = output.size();
    const bool converted = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    EXPECT_TRUE(converted) << utf8;
    output.resize(output.size() - outLeft);
    return output;
}

std::string firstBlock(const tools::Bytes& stored) {
    const std::string text = decoded(stored);
    return text.substr(0, text.find("@\n"));
}

std::string encodeError(const std::string& source) {
    tools::Bytes stored;
    std::string error;
    EXPECT_FALSE(tools::encodeStory("story.txt", source, stored, error)) << source;
    EXPECT_TRUE(stored.empty());
    return error;
}

}  // namespace

TEST(StoryEncoder, StoresTheWorkedExampleByteForByte) {
    const std::string source =
        storySource({"@0 !a\nいくよ。\n@1 !c\nまかせて。\n", "@0\n!bここまでだ！\n"});
    tools::Bytes stored;
    std::string error;
    ASSERT_TRUE(tools::encodeStory("story.txt", source, stored, error)) << error;
    const tools::Bytes expected = {
        0x22, 0x62, 0x83, 0xa3, 0x83, 0xae, 0x83, 0xe7, 0x82, 0x43, 0x0a, 0x25, 0x0a, 0x22, 0x64, 0x83, 0xdd, 0x83,
        0xaa, 0x83, 0xba, 0x83, 0xc5, 0x82, 0x43, 0x0a, 0x24, 0x0a, 0x0a, 0x0a, 0x41, 0x0a, 0x22, 0x63, 0x83, 0xb2,
        0x83, 0xb2, 0x83, 0xdd, 0x83, 0xc6, 0x83, 0xbf, 0x82, 0x4a, 0x0a, 0x24, 0x0a, 0x0a, 0x0a, 0x41, 0x0a};
    ASSERT_GE(stored.size(), expected.size());
    EXPECT_EQ(tools::Bytes(stored.begin(), stored.begin() + expected.size()), expected);
}

TEST(StoryEncoder, PageEndsFollowTheSpeakers) {
    struct Case {
        const char* what;
        std::string body;
        std::string block;  // decoded, up to the "@" line
    };
    const Case cases[] = {
        {"speaker change", "@0\nあ\n@1\nい\n", "あ\n$\nい\n#\n\n\n"},
        {"blank line keeps the speaker", "@0\nあ\n\n\nい\n", "あ\n#\nい\n#\n\n\n"},
        {"repeated speaker line", "@0\nあ\n@0 !b\nい\n", "あ\n#\n!bい\n#\n\n\n"},
        {"back and forth", "@0\nあ\n@1 !c\nい\nう\n@0\nえ\n", "あ\n$\n!cい\nう\n$\nえ\n#\n\n\n"},
        {"comments, CR and trailing blanks", "; note\r\n@0  \r\nあ!dい \t\r\n; more\n", "あ!dい\n#\n\n\n"},
        {"23 characters and a code", "@0\n" + repeat("あ", 10) + "!e" + repeat("い", 13) + "\n",
         repeat("あ", 10) + "!e" + repeat("い", 13) + "\n#\n\n\n"},
    };
    for (const Case& c : cases) {
        tools::Bytes stored;
        std::string error;
        ASSERT_TRUE(tools::encodeStory("story.txt", storySource({c.body}), stored, error)) << c.what << ": " << error;
        EXPECT_EQ(firstBlock(stored), shiftJis(c.block)) << c.what;
    }
}

TEST(StoryEncoder, RefusesWhatTheWindowCannotShowWithFileAndLine) {
    const std::string head = "== 0: opening ==\n@0\n";
    struct Case {
        const char* what;
        std::string source;
        std::string message;
    };
    const Case cases[] = {
        {"ASCII letter", head + "あabc\n", "story.txt:3: half-width character \"a\""},
        {"half-width katakana", head + "ｱ\n", "story.txt:3: half-width character \"ｱ\""},
        {"inner tab", head + "あ\tい\n", "story.txt:3: half-width character"},
        {"trail byte 0x40", head + "機体\n", "story.txt:3: \"機\" ends in the byte 0x40"},
        {"full-width space", head + "あ　い\n", "story.txt:3: \"　\" ends in the byte 0x40"},
        {"no CP932 form", head + "あ😀\n", "story.txt:3: \"😀\" (U+1F600) has no Shift-JIS"},
        {"not UTF-8", head + "あ\xFF\n", "story.txt:3: the line is not UTF-8"},
        {"24 characters", head + repeat("あ", 24) + "\n", "story.txt:3: line of 24 characters"},
        {"four lines", head + "あ\nい\nう\nえ\n", "story.txt:6: a page holds at most 3 lines"},
        {"code at line end", head + "あ!a\n", "story.txt:3: a portrait code must be followed"},
        {"code alone", head + "!a\n", "story.txt:3: a portrait code must be followed"},
        {"two codes", head + "!a!bあ\n", "story.txt:3: two portrait codes in a row"},
        {"speaker code then code", "== 0: a ==\n@0 !a\n!bあ\n", "story.txt:3: two portrait codes in a row"},
        {"letter past p", head + "!qあ\n", "story.txt:3: \"!\" starts a portrait code"},
        {"lower speaker first", "== 0: a ==\n@1\nあ\n", "story.txt:3: a block's first page is always the upper"},
        {"no speaker", "== 0: a ==\nあ\n", "story.txt:2: text before a speaker line"},
        {"no header", "@0\nあ\n", "story.txt:1: text before the first block header"},
        {"bad speaker", "== 0: a ==\n@2\n", "story.txt:2: a speaker line reads"},
        {"junk after speaker", "== 0: a ==\n@0 !c x\n", "story.txt:2: after the speaker only a portrait code"},
        {"speaker without text", "== 0: a ==\n@0\n@1\nあ\n", "story.txt:2: speaker line without text"},
        {"speaker at block end", "== 0: a ==\n@0\nあ\n@1 !c\n== 1: b ==\n", "story.txt:4: speaker line without text"},
        {"empty block", "== 0: a ==\n\n== 1: b ==\n", "story.txt:1: block 0 has no text"},
        {"block out of order", "== 1: a ==\n", "story.txt:1: block 1 where block 0 comes next"},
        {"malformed header", "== opening ==\n", "story.txt:1: a block header reads"},
        {"ten blocks", storySource({}, 10), "story.txt:30: 10 blocks; the game shows 11"},
        {"twenty blocks", storySource({}, 20), "story.txt:58: more than 19 blocks"},
    };
    for (const Case& c : cases) {
        const std::string error = encodeError(c.source);
        EXPECT_EQ(error.compare(0, c.message.size(), c.message), 0) << c.what << ": " << error;
    }
    tools::Bytes stored;
    std::string error;
    EXPECT_TRUE(tools::encodeStory("story.txt", storySource({}, 19), stored, error)) << error;
}

// A block of 27 full pages and a last page of a full line and one of tail
// characters: 4094 bytes once loaded with a tail of 12, 4096 with 13.
std::string bigBlock(int tail) {
    const std::string line = repeat("あ", 23) + "\n";
    std::string body = "@0\n";
    for (int page = 0; page < 27; ++page) body += line + line + line + "\n";
    return body + line + repeat("い", tail) + "\n";
}

TEST(StoryEncoder, LargestBlockLoadsWholeAndOneCellMoreIsRefused) {
    tools::Bytes stored;
    std::string error;
    ASSERT_TRUE(tools::encodeStory("story.txt", storySource({bigBlock(12)}), stored, error)) << error;

    static char table[kStoryBlockCount][kStoryBlockSize];
    std::string problem;
    EXPECT_TRUE(decodeStoryText(stored.data(), stored.size(), table, &problem)) << problem;
    // The loader ends the block two bytes before its write position.
    EXPECT_EQ(std::strlen(table[0]), 4094u - 2);
    EXPECT_EQ(std::strlen(table[0]) + 2, tools::loadedBlockSize(firstBlock(stored)));

    EXPECT_EQ(encodeError(storySource({bigBlock(13)})),
              "story.txt:1: block 0 takes 4096 bytes once loaded; a block holds at most 4095");
}

TEST(StoryEncoder, CommandLineNamesTheLineAndWritesNothingOnRefusal) {
    TempDir dir;
    std::string error;
    const std::string source = dir.file("bad.txt");
    const std::string text = "== 0: opening ==\n@0\nok\n";
    ASSERT_TRUE(tools::writeFile(source, tools::Bytes(text.begin(), text.end()), error));
    const std::string out = dir.file("bad.fdat");
    std::string output;
    if (FILE* pipe = popen((std::string(LNF_STORYENC) + " " + source + " " + out + " 2>&1").c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
        EXPECT_NE(pclose(pipe), 0);
    }
    EXPECT_NE(output.find(source + ":3: half-width character \"o\""), std::string::npos) << output;
    EXPECT_FALSE(std::filesystem::exists(out));
}
