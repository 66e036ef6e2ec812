// Reading and writing replay files.
#include "replay/ReplayFile.h"

#include <algorithm>
#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "replay/PlayerFiles.h"

const char* const kProgramVersion = LNF_VERSION;

namespace {

// A player's file larger than this is no file the game writes.
constexpr size_t kMaxPlayerFileBytes = 4096;

std::vector<std::string> wordsOf(std::string_view text)
{
    std::istringstream in{std::string(text)};
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

template <typename T>
bool parseNumber(const std::string& word, T low, T high, T& value, int base = 10)
{
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value, base);
    return !word.empty() && ec == std::errc() && ptr == end && value >= low && value <= high;
}

bool parseHex(const std::string& word, uint64_t& value)
{
    return word.size() <= 16 && parseNumber(word, uint64_t{0}, UINT64_MAX, value, 16);
}

bool parseHexBytes(const std::string& word, std::vector<uint8_t>& bytes)
{
    if (word.size() % 2 != 0 || word.size() > 2 * kMaxPlayerFileBytes) return false;
    bytes.clear();
    for (size_t i = 0; i < word.size(); i += 2) {
        unsigned value = 0;
        if (!parseNumber(word.substr(i, 2), 0u, 255u, value, 16)) return false;
        bytes.push_back(static_cast<uint8_t>(value));
    }
    return true;
}

class Reader {
public:
    explicit Reader(Replay& replay) : replay_(replay) {}

    // Empty result: the line is fine.
    std::string line(std::string_view text, int number)
    {
        if (number == 1) return versionLine(text);
        const size_t start = text.find_first_not_of(" \t\r");
        if (start != std::string_view::npos && text[start] == '#')
            return headerLine(wordsOf(text.substr(start + 1)), number);
        std::vector<platform::ScriptEvent> events;
        std::string problem;
        if (!platform::parseScriptLine(text, events, problem)) return problem;
        if (events.empty()) return {};
        if (auto e = inOrder(events.front().frame); !e.empty()) return e;
        replay_.events.insert(replay_.events.end(), events.begin(), events.end());
        return {};
    }

    std::string finish()
    {
        if (!seedSeen_) return "the header has no seed line";
        if (!dataSeen_) return "the header has no data line";
        // A key pulse line stands for presses that run on past the lines after it.
        std::stable_sort(replay_.events.begin(), replay_.events.end(),
                         [](const platform::ScriptEvent& a, const platform::ScriptEvent& b) { return a.frame < b.frame; });
        if (!endSeen_) {
            replay_.frames = 0;
            if (!replay_.events.empty()) replay_.frames = replay_.events.back().frame + 1;
            if (!replay_.hashes.empty()) replay_.frames = std::max(replay_.frames, replay_.hashes.back().frame + 1);
        }
        return {};
    }

private:
    std::string versionLine(std::string_view text)
    {
        const std::vector<std::string> w = wordsOf(text);
        if (w.size() != 4 || w[0] != "#" || w[1] != "lanternfall" || w[2] != "replay")
            return "not a Lanternfall replay (it starts \"# lanternfall replay VERSION\")";
        if (w[3] != kProgramVersion)
            return "recorded by version " + w[3] + ", which this program (" + kProgramVersion + ") does not know";
        replay_.version = w[3];
        return {};
    }

    std::string inOrder(int frame)
    {
        if (frame < lastFrame_)
            return "frame " + std::to_string(frame) + " comes after frame " + std::to_string(lastFrame_);
        lastFrame_ = frame;
        return {};
    }

    std::string headerLine(const std::vector<std::string>& w, int number)
    {
        if (w.empty()) return {};
        const std::string& key = w[0];
        const auto malformed = [&](const char* form) { return "expected \"# " + key + " " + form + "\""; };
        if (key == "seed") {
            if (w.size() != 2 || !parseNumber(w[1], int64_t{0}, INT64_MAX, replay_.seed)) return malformed("N");
            seedSeen_ = true;
        } else if (key == "data") {
            if (w.size() != 2 || !parseHex(w[1], replay_.dataDigest)) return malformed("HEX");
            dataSeen_ = true;
        } else if (key == "date") {
            replay_.date.clear();
            for (size_t i = 1; i < w.size(); ++i) replay_.date += (i > 1 ? " " : "") + w[i];
        } else if (key == "player") {
            PlayerFileCopy file;
            if (w.size() != 3) return malformed("NAME HEX|empty|none");
            if (!isPlayerFileName(w[1])) return "\"" + w[1] + "\" is not one of the player's files";
            file.name = w[1];
            file.present = w[2] != "none";
            if (file.present && w[2] != "empty" && !parseHexBytes(w[2], file.bytes))
                return malformed("NAME HEX|empty|none");
            replay_.playerFiles.push_back(std::move(file));
        } else if (key == "start") {
            if (w.size() != 7 || w[1] != "stage" || w[3] != "character" || w[5] != "sub-weapon" ||
                !parseNumber(w[2], 1, 5, replay_.startStage) || !parseNumber(w[4], 0, 1, replay_.startCharacter) ||
                !parseNumber(w[6], 0, 3, replay_.startSubWeapon))
                return malformed("stage 1-5 character 0-1 sub-weapon 0-3");
        } else if (key == "hash") {
            ReplayHash hash;
            hash.line = number;
            if (w.size() != 3 || !parseNumber(w[1], 0, 1 << 30, hash.frame) || !parseHex(w[2], hash.hash))
                return malformed("FRAME HEX");
            if (auto e = inOrder(hash.frame); !e.empty()) return e;
            replay_.hashes.push_back(hash);
        } else if (key == "end") {
            if (w.size() != 2 || !parseNumber(w[1], 0, 1 << 30, replay_.frames)) return malformed("FRAMES");
            if (auto e = inOrder(replay_.frames); !e.empty()) return e;
            endSeen_ = true;
        }
        return {};
    }

    Replay& replay_;
    int lastFrame_ = 0;
    bool seedSeen_ = false;
    bool dataSeen_ = false;
    bool endSeen_ = false;
};

}  // namespace

bool parseReplay(std::string_view text, Replay& replay, std::string* error)
{
    replay = Replay{};
    // A crash can leave the last line half-written; what was flushed before it is whole.
    text = text.substr(0, text.rfind('\n') == std::string_view::npos ? 0 : text.rfind('\n') + 1);
    if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.remove_prefix(3);
    Reader reader(replay);
    int number = 0;
    std::string problem;
    while (!text.empty() && problem.empty()) {
        const size_t end = text.find('\n');
        problem = reader.line(text.substr(0, end), ++number);
        text.remove_prefix(end + 1);
    }
    if (number == 0) problem = "the file is empty";
    if (!problem.empty()) {
        if (error) *error = (number > 0 ? "line " + std::to_string(number) + ": " : std::string()) + problem;
        return false;
    }
    problem = reader.finish();
    if (!problem.empty() && error) *error = problem;
    return problem.empty();
}

bool loadReplay(const std::string& path, Replay& replay, std::string* error)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    if (!file || !(text << file.rdbuf())) {
        if (error) *error = path + ": cannot read the replay";
        return false;
    }
    std::string problem;
    if (!parseReplay(text.str(), replay, &problem)) {
        if (error) *error = path + ": " + problem;
        return false;
    }
    return true;
}

std::string formatReplayHeader(const Replay& replay)
{
    std::string header = "# lanternfall replay " + replay.version + "\n# seed " + std::to_string(replay.seed) +
                         "\n# data " + hexDigits(replay.dataDigest) + "\n";
    if (!replay.date.empty()) header += "# date " + replay.date + "\n";
    for (const PlayerFileCopy& file : replay.playerFiles) {
        header += "# player " + file.name + " ";
        if (!file.present) header += "none";
        else if (file.bytes.empty()) header += "empty";
        for (uint8_t byte : file.bytes) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02x", byte);
            header += hex;
        }
        header += "\n";
    }
    if (replay.startStage > 0)
        header += "# start stage " + std::to_string(replay.startStage) + " character " +
                  std::to_string(replay.startCharacter) + " sub-weapon " + std::to_string(replay.startSubWeapon) + "\n";
    return header;
}

std::string hexDigits(uint64_t value)
{
    char digits[17];
    std::snprintf(digits, sizeof digits, "%016" PRIx64, value);
    return digits;
}

std::string hashLine(int frame, uint64_t hash)
{
    return "# hash " + std::to_string(frame) + " " + hexDigits(hash) + "\n";
}

std::string endLine(int frames) { return "# end " + std::to_string(frames) + "\n"; }
