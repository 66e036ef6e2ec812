// Reads a score's lines: the tempo and metre, phrases, and tracks with their
// channel settings; the MML of each track is expanded by MmlTrack.cpp.
#include "Score.h"

#include <cctype>
#include <charconv>

#include "LineReader.h"

namespace mmlc {
namespace {

using tools::LineReader;

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        std::size_t begin = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > begin) words.push_back(line.substr(begin, i - begin));
    }
    return words;
}

bool readInt(LineReader& in, std::string_view word, const char* what, int low, int high,
             int& value) {
    int parsed = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), parsed);
    if (ec != std::errc() || end != word.data() + word.size())
        return in.fail(std::string(what) + ": '" + std::string(word) + "' is not a whole number");
    if (parsed < low || parsed > high)
        return in.fail(std::string(what) + " " + std::to_string(parsed) + " is outside " +
                       std::to_string(low) + " .. " + std::to_string(high));
    value = parsed;
    return true;
}

bool validName(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
    return true;
}

// "time N/D"
bool readTime(LineReader& in, const std::vector<std::string_view>& words, Score& out) {
    std::size_t slash = words.size() == 2 ? words[1].find('/') : std::string_view::npos;
    if (slash == std::string_view::npos) return in.fail("expected 'time BEATS/UNIT'");
    if (!readInt(in, words[1].substr(0, slash), "beats per bar", 1, 16, out.beatsPerBar) ||
        !readInt(in, words[1].substr(slash + 1), "beat unit", 1, 64, out.beatUnit))
        return false;
    if ((out.beatUnit & (out.beatUnit - 1)) != 0) return in.fail("the beat unit must be a power of two");
    return true;
}

// "track NAME channel N [program P] [volume V] [pan P] [reverb R] [chorus C]"
bool readTrackHeader(LineReader& in, const std::vector<std::string_view>& words, Score& out) {
    if (words.size() < 2 || !validName(words[1]) || words.size() % 2 != 0)
        return in.fail("expected 'track NAME channel N [program P] [volume V] [pan P] [reverb R] [chorus C]'");
    Track track;
    track.mml.name = std::string(words[1]);
    track.mml.firstLine = in.line + 1;
    bool haveChannel = false, haveProgram = false;
    for (std::size_t i = 2; i < words.size(); i += 2) {
        std::string_view key = words[i];
        bool ok = true;
        if (key == "channel") {
            ok = readInt(in, words[i + 1], "channel", 1, 16, track.channel);
            haveChannel = true;
        } else if (key == "program") {
            ok = readInt(in, words[i + 1], "program", 1, 128, track.program);
            haveProgram = true;
        } else if (key == "volume") ok = readInt(in, words[i + 1], "volume", 0, 127, track.volume);
        else if (key == "pan") ok = readInt(in, words[i + 1], "pan", 0, 127, track.pan);
        else if (key == "reverb") ok = readInt(in, words[i + 1], "reverb", 0, 127, track.reverb);
        else if (key == "chorus") ok = readInt(in, words[i + 1], "chorus", 0, 127, track.chorus);
        else return in.fail("unknown track setting '" + std::string(key) + "'");
        if (!ok) return false;
    }
    if (!haveChannel) return in.fail("track " + track.mml.name + " has no channel");
    if (!haveProgram && track.channel != kDrumChannel)
        return in.fail("track " + track.mml.name + " has no program");
    for (const Track& other : out.tracks) {
        // Two tracks on one channel would fight over its program and controllers.
        if (other.channel == track.channel)
            return in.fail("tracks " + other.mml.name + " and " + track.mml.name + " share channel " +
                           std::to_string(track.channel));
        if (other.mml.name == track.mml.name) return in.fail("a second track named " + track.mml.name);
    }
    out.tracks.push_back(std::move(track));
    return true;
}

}  // namespace

bool parseScore(std::string_view text, const std::string& fileName, Score& out, std::string& error) {
    out = Score{};
    out.fileName = fileName;
    LineReader in{fileName, 0, error};
    MmlBlock* current = nullptr;
    bool haveTempo = false;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t newline = text.find('\n', pos);
        if (newline == std::string_view::npos) newline = text.size();
        std::string_view line = text.substr(pos, newline - pos);
        pos = newline + 1;
        ++in.line;
        if (std::size_t comment = line.find(';'); comment != std::string_view::npos) line = line.substr(0, comment);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::vector<std::string_view> words = splitWords(line);
        std::string_view key = words.empty() ? std::string_view() : words[0];
        if (key == "tempo" || key == "time") {
            if (current) return in.fail("'" + std::string(key) + "' must come before the first phrase or track");
            if (key == "time") {
                if (!readTime(in, words, out)) return false;
            } else {
                if (words.size() != 2) return in.fail("expected 'tempo BPM'");
                if (!readInt(in, words[1], "tempo", 20, 300, out.tempo)) return false;
                haveTempo = true;
            }
        } else if (key == "phrase") {
            if (words.size() != 2 || !validName(words[1])) return in.fail("expected 'phrase NAME'");
            for (const MmlBlock& phrase : out.phrases)
                if (phrase.name == words[1]) return in.fail("a second phrase named " + phrase.name);
            out.phrases.push_back(MmlBlock{std::string(words[1]), "", in.line + 1});
            current = &out.phrases.back();
        } else if (key == "track") {
            if (!readTrackHeader(in, words, out)) return false;
            current = &out.tracks.back().mml;
        } else if (!words.empty()) {
            if (!current) return in.fail("music before the first phrase or track");
            current->text.append(line);
        }
        // Every line keeps its newline so positions in a block map back to lines.
        if (current && key != "phrase" && key != "track") current->text.push_back('\n');
    }
    in.line = 1;
    if (!haveTempo) return in.fail("the score has no tempo");
    if (out.tracks.empty()) return in.fail("the score has no track");

    for (Track& track : out.tracks)
        if (!expandTrack(out, track, error)) return false;
    const Track& first = out.tracks.front();
    for (const Track& track : out.tracks) {
        // The file loops from its end to its start, so every part must arrive together.
        if (track.endTick != first.endTick) {
            in.line = track.mml.firstLine - 1;
            return in.fail("track " + track.mml.name + " ends at tick " + std::to_string(track.endTick) +
                           " but track " + first.mml.name + " at tick " + std::to_string(first.endTick));
        }
    }
    out.endTick = first.endTick;
    in.line = first.mml.firstLine - 1;
    if (out.endTick == 0) return in.fail("the score is empty");
    if (out.endTick % out.barTicks() != 0)
        return in.fail("the piece ends " + std::to_string(out.endTick % out.barTicks()) +
                       " ticks into a bar");
    return true;
}

}  // namespace mmlc
