// Reads the story source markup into blocks of pages of Shift-JIS lines.
#include "StorySource.h"

#include <cstdint>
#include <cstdio>
#include <optional>

#include "Cp932.h"

namespace tools {

namespace {

// One UTF-8 character from text at pos; false when the bytes are not UTF-8.
bool nextCharacter(const std::string& text, std::size_t& pos, std::string& character, std::uint32_t& codePoint) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(pos);
    std::size_t length;
    if (lead < 0x80) {
        length = 1;
        codePoint = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return false;
    }
    if (pos + length > text.size()) return false;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return false;
        codePoint = codePoint << 6 | (byte(pos + i) & 0x3F);
    }
    character = text.substr(pos, length);
    pos += length;
    return true;
}

std::string codePointName(std::uint32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

class Parser {
public:
    Parser(const std::string& fileName, std::vector<StoryBlock>& blocks, std::string& error)
        : fileName_(fileName), blocks_(blocks), error_(error) {}

    bool run(const std::string& source) {
        if (!converter_.ready()) return fail(0, "iconv offers no UTF-8 to CP932 conversion");
        std::size_t start = 0;
        if (source.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
        while (start < source.size()) {
            std::size_t end = source.find('\n', start);
            if (end == std::string::npos) end = source.size();
            ++lineNumber_;
            std::string line = source.substr(start, end - start);
            while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
                line.pop_back();
            if (!takeLine(line)) return false;
            start = end + 1;
        }
        if (!closeBlock()) return false;
        if (static_cast<int>(blocks_.size()) < kMinStoryBlocks)
            return fail(lineNumber_, std::to_string(blocks_.size()) + " blocks; the game shows " +
                                         std::to_string(kMinStoryBlocks) + " (blocks 0 to " +
                                         std::to_string(kMinStoryBlocks - 1) + ")");
        return true;
    }

private:
    bool fail(int line, const std::string& message) {
        error_ = fileName_ + ":" + std::to_string(line) + ": " + message;
        return false;
    }

    bool takeLine(const std::string& line) {
        if (line.empty()) {
            pageOpen_ = false;
            return true;
        }
        if (line[0] == ';') return true;
        if (line.compare(0, 2, "==") == 0) return takeHeader(line);
        if (blocks_.empty()) return fail(lineNumber_, "text before the first block header (== N: label ==)");
        if (line[0] == '@') return takeSpeaker(line);
        return takeText(line);
    }

    bool takeHeader(const std::string& line) {
        if (!closeBlock()) return false;
        const int expected = static_cast<int>(blocks_.size());
        std::size_t pos = 2;
        while (pos < line.size() && line[pos] == ' ') ++pos;
        const std::size_t digits = pos;
        int number = 0;
        while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9' && pos - digits < 4)
            number = number * 10 + (line[pos++] - '0');
        if (pos == digits || pos >= line.size() || line[pos] != ':' || line.size() < pos + 3 ||
            line.compare(line.size() - 2, 2, "==") != 0)
            return fail(lineNumber_, "a block header reads \"== N: label ==\"");
        if (number != expected)
            return fail(lineNumber_, "block " + std::to_string(number) + " where block " + std::to_string(expected) +
                                         " comes next");
        if (expected >= kMaxStoryBlocks)
            return fail(lineNumber_, "more than " + std::to_string(kMaxStoryBlocks) + " blocks");
        blocks_.push_back(StoryBlock{lineNumber_, {}});
        speaker_ = -1;
        pageOpen_ = false;
        return true;
    }

    bool takeSpeaker(const std::string& line) {
        if (!checkSpeakerHadText()) return false;
        std::size_t pos = 1;
        if (pos >= line.size() || (line[pos] != '0' && line[pos] != '1'))
            return fail(lineNumber_, "a speaker line reads \"@0\" or \"@1\", optionally followed by a portrait code");
        speaker_ = line[pos++] - '0';
        while (pos < line.size() && line[pos] == ' ') ++pos;
        if (pos < line.size()) {
            if (line.size() != pos + 2 || line[pos] != '!' || line[pos + 1] < 'a' || line[pos + 1] > 'p')
                return fail(lineNumber_, "after the speaker only a portrait code \"!a\" to \"!p\" may follow");
            pendingPortrait_ = line.substr(pos, 2);
        }
        speakerLine_ = lineNumber_;
        pageOpen_ = false;
        return true;
    }

    bool takeText(const std::string& line) {
        if (speaker_ < 0) return fail(lineNumber_, "text before a speaker line (@0 or @1)");
        std::string bytes;
        if (!encodeText(line, bytes)) return false;
        StoryBlock& block = blocks_.back();
        if (!pageOpen_) {
            if (block.pages.empty() && speaker_ != 0)
                return fail(lineNumber_, "a block's first page is always the upper speaker's (@0)");
            block.pages.push_back(StoryPage{speaker_, {}});
            pageOpen_ = true;
        }
        StoryPage& page = block.pages.back();
        if (static_cast<int>(page.lines.size()) == kLinesPerPage)
            return fail(lineNumber_, "a page holds at most " + std::to_string(kLinesPerPage) +
                                         " lines; end the page with a blank line or a speaker line");
        page.lines.push_back(StoryLine{bytes, lineNumber_});
        speakerLine_ = 0;
        return true;
    }

    // Converts one text line, taking the pending portrait code of its speaker line first.
    bool encodeText(const std::string& line, std::string& bytes) {
        bool lastWasCode = false;
        if (pendingPortrait_) {
            bytes = *pendingPortrait_;
            pendingPortrait_.reset();
            lastWasCode = true;
        }
        int cells = 0;
        std::size_t pos = 0;
        while (pos < line.size()) {
            std::string character;
            std::uint32_t codePoint = 0;
            if (!nextCharacter(line, pos, character, codePoint)) return fail(lineNumber_, "the line is not UTF-8");
            if (codePoint == '!') {
                if (pos >= line.size() || line[pos] < 'a' || line[pos] > 'p')
                    return fail(lineNumber_, "\"!\" starts a portrait code \"!a\" to \"!p\"; write a full-width \"！\" in text");
                if (lastWasCode) return fail(lineNumber_, "two portrait codes in a row");
                bytes += '!';
                bytes += line[pos++];
                lastWasCode = true;
                continue;
            }
            if (codePoint < 0x80)
                return fail(lineNumber_, "half-width character \"" + character +
                                             "\" in text; every cell takes one full-width character");
            std::string sjis;
            if (!converter_.convert(character, sjis))
                return fail(lineNumber_, "\"" + character + "\" (" + codePointName(codePoint) +
                                             ") has no Shift-JIS (CP932) form");
            if (sjis.size() != 2)
                return fail(lineNumber_, "half-width character \"" + character +
                                             "\" in text; every cell takes one full-width character");
            if (static_cast<std::uint8_t>(sjis[1]) == 0x40)
                return fail(lineNumber_, "\"" + character +
                                             "\" ends in the byte 0x40 in Shift-JIS, which the game reads as a block end; "
                                             "choose another character");
            bytes += sjis;
            lastWasCode = false;
            ++cells;
        }
        if (lastWasCode) return fail(lineNumber_, "a portrait code must be followed by a character on the same line");
        if (cells > kCellsPerLine)
            return fail(lineNumber_, "line of " + std::to_string(cells) + " characters; a line holds at most " +
                                         std::to_string(kCellsPerLine));
        return true;
    }

    bool checkSpeakerHadText() {
        if (speakerLine_ != 0) return fail(speakerLine_, "speaker line without text after it");
        return true;
    }

    bool closeBlock() {
        if (blocks_.empty()) return true;
        if (!checkSpeakerHadText()) return false;
        if (blocks_.back().pages.empty())
            return fail(blocks_.back().headerLine, "block " + std::to_string(blocks_.size() - 1) + " has no text");
        return true;
    }

    const std::string& fileName_;
    std::vector<StoryBlock>& blocks_;
    std::string& error_;
    Cp932Converter converter_;
    int lineNumber_ = 0;
    int speaker_ = -1;
    int speakerLine_ = 0;  // a speaker line still waiting for its first text line
    bool pageOpen_ = false;
    std::optional<std::string> pendingPortrait_;
};

}  // namespace

bool parseStorySource(const std::string& fileName, const std::string& source, std::vector<StoryBlock>& blocks,
                      std::string& error) {
    blocks.clear();
    Parser parser(fileName, blocks, error);
    return parser.run(source);
}

}  // namespace tools
