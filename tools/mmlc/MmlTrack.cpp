// Expands a track's MML into notes. State (octave, default length, velocity,
// gate, transpose) carries through loops and phrase calls as it is written.
#include "Score.h"

#include <algorithm>
#include <cctype>

namespace mmlc {
namespace {

constexpr std::uint32_t kMaxTick = 0x0FFFFFFF;
constexpr std::size_t kMaxNotes = 1000000;
constexpr int kMaxDepth = 32;
// Bounds the expansion work, so loops of empty bodies cannot spin for hours.
constexpr std::size_t kMaxSteps = 20000000;

// Names for the General MIDI percussion keys, usable on the drum channel.
struct DrumName {
    std::string_view name;
    int note;
};
constexpr DrumName kDrumNames[] = {
    {"kickb", 35},   {"kick", 36},    {"stick", 37},   {"snare", 38},   {"clap", 39},
    {"snareb", 40},  {"tomfl", 41},   {"hat", 42},     {"tomfh", 43},   {"pedal", 44},
    {"toml", 45},    {"ohat", 46},    {"tomml", 47},   {"tommh", 48},   {"crash", 49},
    {"tomh", 50},    {"ride", 51},    {"china", 52},   {"ridebell", 53}, {"tamb", 54},
    {"splash", 55},  {"cowbell", 56}, {"crashb", 57},  {"bongoh", 60},  {"bongol", 61},
    {"congamute", 62}, {"congah", 63}, {"congal", 64}, {"timbh", 65},   {"timbl", 66},
    {"agogoh", 67},  {"agogol", 68},  {"cabasa", 69},  {"maracas", 70}, {"claves", 75},
    {"blockh", 76},  {"blockl", 77},  {"triamute", 80}, {"tria", 81},
};

constexpr int kNoteOffsets[7] = {9, 11, 0, 2, 4, 5, 7};  // a b c d e f g

struct Expander {
    const Score& score;
    Track& track;
    std::string& error;
    std::uint32_t tick = 0;
    int octave = 4;
    std::uint32_t defaultLength = kTicksPerQuarter;
    int velocity = 90;
    int gate = 8;
    int transpose = 0;
    bool tieOpen = false;
    Note tied;
    const MmlBlock* tieBlock = nullptr;
    std::size_t tiePos = 0;
    std::size_t steps = 0;

    Expander(const Score& s, Track& t, std::string& e) : score(s), track(t), error(e) {}

    bool fail(const MmlBlock& block, std::size_t pos, const std::string& message) {
        int line = block.firstLine +
                   static_cast<int>(std::count(block.text.begin(), block.text.begin() + std::min(pos, block.text.size()), '\n'));
        error = score.fileName + ":" + std::to_string(line) + ": " + message;
        if (&block != &track.mml) error += " (in track " + track.mml.name + ")";
        return false;
    }

    bool readNumber(const MmlBlock& block, std::size_t& pos, int low, int high, const char* what, int& value) {
        const std::string& text = block.text;
        bool negative = false;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+') && low < 0) negative = text[pos++] == '-';
        if (pos >= text.size() || !std::isdigit(static_cast<unsigned char>(text[pos])))
            return fail(block, pos, std::string(what) + " needs a number");
        long parsed = 0;
        while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) && parsed < 100000)
            parsed = parsed * 10 + (text[pos++] - '0');
        if (negative) parsed = -parsed;
        if (parsed < low || parsed > high)
            return fail(block, pos, std::string(what) + " " + std::to_string(parsed) + " is outside " +
                                        std::to_string(low) + " .. " + std::to_string(high));
        value = static_cast<int>(parsed);
        return true;
    }

    // LENGTH = [N][.]...  then any number of ^N[.]... extensions.
    bool readLength(const MmlBlock& block, std::size_t& pos, bool required, std::uint32_t& ticks) {
        const std::string& text = block.text;
        std::uint32_t base = defaultLength;
        if (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
            int n = 0;
            if (!readNumber(block, pos, 1, static_cast<int>(kTicksPerWhole), "a note length", n)) return false;
            if (kTicksPerWhole % static_cast<std::uint32_t>(n) != 0)
                return fail(block, pos, "note length " + std::to_string(n) + " does not divide a whole note");
            base = kTicksPerWhole / static_cast<std::uint32_t>(n);
        } else if (required) {
            return fail(block, pos, "a length is missing");
        }
        ticks = base;
        for (std::uint32_t add = base; pos < text.size() && text[pos] == '.'; ++pos) {
            if (add % 2 != 0) return fail(block, pos, "too many dots for this length");
            add /= 2;
            ticks += add;
        }
        while (pos < text.size() && text[pos] == '^') {
            std::uint32_t more = 0;
            if (!readLength(block, ++pos, true, more)) return false;
            ticks += more;
        }
        return true;
    }

    bool advance(const MmlBlock& block, std::size_t pos, std::uint32_t ticks) {
        if (kMaxTick - tick < ticks) return fail(block, pos, "the track is too long for a MIDI file");
        tick += ticks;
        return true;
    }

    bool emit(const MmlBlock& block, std::size_t pos, const Note& note) {
        if (track.notes.size() >= kMaxNotes) return fail(block, pos, "the track expands to too many notes");
        track.notes.push_back(note);
        return true;
    }

    std::uint32_t sounding(std::uint32_t length) const {
        return std::max<std::uint32_t>(1, length * static_cast<std::uint32_t>(gate) / 8);
    }

    void skipSpace(const MmlBlock& block, std::size_t& pos) const {
        while (pos < block.text.size() && std::isspace(static_cast<unsigned char>(block.text[pos]))) ++pos;
    }

    // A note, possibly tied on from the one before and to the one after.
    bool playNote(const MmlBlock& block, std::size_t& pos, int pitch, std::uint32_t length) {
        if (pitch < 0 || pitch > 127) return fail(block, pos, "note " + std::to_string(pitch) + " is outside the MIDI range");
        if (tieOpen) {
            if (tied.pitch != pitch) return fail(block, pos, "a tie joins two different pitches");
            tied.length += length;
        } else {
            tied = Note{tick, length, pitch, velocity};
            tieOpen = true;
        }
        if (!advance(block, pos, length)) return false;
        skipSpace(block, pos);
        if (pos < block.text.size() && block.text[pos] == '&') {
            tieBlock = &block;
            tiePos = pos++;
            return true;
        }
        tieOpen = false;
        tied.length = sounding(tied.length);
        return emit(block, pos, tied);
    }

    bool readPitch(const MmlBlock& block, std::size_t& pos, int noteOctave, int& pitch) {
        const std::string& text = block.text;
        pitch = kNoteOffsets[text[pos++] - 'a'] + 12 * (noteOctave + 1) + transpose;
        while (pos < text.size() && (text[pos] == '+' || text[pos] == '#' || text[pos] == '-'))
            pitch += text[pos++] == '-' ? -1 : 1;
        if (pitch < 0 || pitch > 127) return fail(block, pos, "note " + std::to_string(pitch) + " is outside the MIDI range");
        return true;
    }

    // A note name, or on the drum channel a drum name.
    bool chordPitch(const MmlBlock& block, std::size_t& pos, int chordOctave, int& pitch) {
        const std::string& text = block.text;
        if (track.channel == kDrumChannel) {
            std::size_t wordEnd = pos;
            while (wordEnd < text.size() && std::isalpha(static_cast<unsigned char>(text[wordEnd]))) ++wordEnd;
            std::string_view word(text.data() + pos, wordEnd - pos);
            for (const DrumName& drum : kDrumNames) {
                if (drum.name != word) continue;
                pos = wordEnd;
                pitch = drum.note;
                return true;
            }
        }
        if (text[pos] < 'a' || text[pos] > 'g')
            return fail(block, pos, std::string("'") + text[pos] + "' cannot stand in a chord");
        return readPitch(block, pos, chordOctave, pitch);
    }

    // { c e g }LENGTH: the notes sound together; octave marks inside stay inside.
    bool playChord(const MmlBlock& block, std::size_t& pos) {
        const std::string& text = block.text;
        if (tieOpen) return fail(block, pos, "a tie cannot lead into a chord");
        std::size_t open = pos++;
        int chordOctave = octave;
        std::vector<int> pitches;
        while (pos < text.size() && text[pos] != '}') {
            char c = text[pos];
            if (std::isspace(static_cast<unsigned char>(c))) ++pos;
            else if (c == '>') ++chordOctave, ++pos;
            else if (c == '<') --chordOctave, ++pos;
            else if (std::isalpha(static_cast<unsigned char>(c))) {
                int pitch = 0;
                if (!chordPitch(block, pos, chordOctave, pitch)) return false;
                if (std::find(pitches.begin(), pitches.end(), pitch) != pitches.end())
                    return fail(block, pos, "the chord repeats a pitch");
                pitches.push_back(pitch);
            } else {
                return fail(block, pos, std::string("'") + c + "' cannot stand in a chord");
            }
        }
        if (pos >= text.size()) return fail(block, open, "'{' without '}'");
        if (pitches.empty()) return fail(block, open, "an empty chord");
        std::uint32_t length = 0;
        if (!readLength(block, ++pos, false, length)) return false;
        for (int pitch : pitches)
            if (!emit(block, pos, Note{tick, sounding(length), pitch, velocity})) return false;
        if (!advance(block, pos, length)) return false;
        skipSpace(block, pos);
        if (pos < text.size() && text[pos] == '&') return fail(block, pos, "chords cannot be tied");
        return true;
    }

    // [ BODY ]N, or [ BODY : LAST-TIME-SKIPPED ]N; N defaults to 2.
    bool playLoop(const MmlBlock& block, std::size_t& pos, std::size_t end, int depth) {
        const std::string& text = block.text;
        if (depth >= kMaxDepth) return fail(block, pos, "loops and phrases nest too deep");
        std::size_t open = pos, close = std::string::npos, breakAt = std::string::npos;
        int level = 0;
        for (std::size_t i = open + 1; i < end && close == std::string::npos; ++i) {
            if (text[i] == '[') ++level;
            else if (text[i] == ']' && level-- == 0) close = i;
            else if (text[i] == ':' && level == 0) {
                if (breakAt != std::string::npos) return fail(block, i, "a loop has two ':'");
                breakAt = i;
            }
        }
        if (close == std::string::npos) return fail(block, open, "'[' without ']'");
        pos = close + 1;
        int count = 2;
        if (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos])) &&
            !readNumber(block, pos, 1, 999, "a loop count", count))
            return false;
        for (int i = 0; i < count; ++i) {
            std::size_t stop = (breakAt != std::string::npos && i == count - 1) ? breakAt : close;
            if (!run(block, open + 1, stop, depth + 1, true)) return false;
        }
        return true;
    }

    bool callPhrase(const MmlBlock& block, std::size_t& pos, int depth) {
        const std::string& text = block.text;
        std::size_t begin = ++pos;
        while (pos < text.size() && (std::isalnum(static_cast<unsigned char>(text[pos])) || text[pos] == '_')) ++pos;
        std::string name = text.substr(begin, pos - begin);
        auto found = std::find_if(score.phrases.begin(), score.phrases.end(),
                                  [&](const MmlBlock& phrase) { return phrase.name == name; });
        if (found == score.phrases.end()) return fail(block, begin, "unknown phrase '$" + name + "'");
        if (depth >= kMaxDepth) return fail(block, begin, "phrases nest too deep (does one call itself?)");
        return run(*found, 0, found->text.size(), depth + 1, false);
    }

    bool drumName(const MmlBlock& block, std::size_t& pos, bool& played) {
        const std::string& text = block.text;
        std::size_t wordEnd = pos;
        while (wordEnd < text.size() && std::isalpha(static_cast<unsigned char>(text[wordEnd]))) ++wordEnd;
        std::string_view word(text.data() + pos, wordEnd - pos);
        played = false;
        for (const DrumName& drum : kDrumNames) {
            if (drum.name != word) continue;
            pos = wordEnd;
            std::uint32_t length = 0;
            played = true;
            return readLength(block, pos, false, length) && playNote(block, pos, drum.note, length);
        }
        return true;
    }

    bool run(const MmlBlock& block, std::size_t begin, std::size_t end, int depth, bool inLoop) {
        const std::string& text = block.text;
        std::size_t pos = begin;
        if (++steps > kMaxSteps) return fail(block, pos, "the track expands too far");
        while (pos < end) {
            if (++steps > kMaxSteps) return fail(block, pos, "the track expands too far");
            char c = text[pos];
            if (std::isspace(static_cast<unsigned char>(c))) {
                ++pos;
                continue;
            }
            if (track.channel == kDrumChannel && std::isalpha(static_cast<unsigned char>(c))) {
                bool played = false;
                if (!drumName(block, pos, played)) return false;
                if (played) continue;
            }
            std::uint32_t length = 0;
            switch (c) {
                case 'a': case 'b': case 'c': case 'd': case 'e': case 'f': case 'g': {
                    int pitch = 0;
                    if (!readPitch(block, pos, octave, pitch) || !readLength(block, pos, false, length) ||
                        !playNote(block, pos, pitch, length))
                        return false;
                    break;
                }
                case 'r':
                    if (tieOpen) return fail(block, pos, "a tie '&' must be followed by a note");
                    if (!readLength(block, ++pos, false, length) || !advance(block, pos, length)) return false;
                    break;
                case 'o':
                    if (!readNumber(block, ++pos, 0, 9, "octave", octave)) return false;
                    break;
                case '>':
                case '<':
                    octave += c == '>' ? 1 : -1;
                    if (octave < 0 || octave > 9) return fail(block, pos, "the octave leaves 0 .. 9");
                    ++pos;
                    break;
                case 'l':
                    if (!readLength(block, ++pos, true, defaultLength)) return false;
                    break;
                case 'v':
                    if (!readNumber(block, ++pos, 1, 127, "velocity", velocity)) return false;
                    break;
                case 'q':
                    if (!readNumber(block, ++pos, 1, 8, "gate", gate)) return false;
                    break;
                case 'k':
                    if (!readNumber(block, ++pos, -48, 48, "transpose", transpose)) return false;
                    break;
                case '|':
                    if (tick % score.barTicks() != 0)
                        return fail(block, pos, "'|' falls " + std::to_string(tick % score.barTicks()) + " ticks into a bar");
                    ++pos;
                    break;
                case '{':
                    if (!playChord(block, pos)) return false;
                    break;
                case '[':
                    if (!playLoop(block, pos, end, depth)) return false;
                    break;
                case ':':
                    if (!inLoop) return fail(block, pos, "':' outside a loop");
                    ++pos;
                    break;
                case '$':
                    if (!callPhrase(block, pos, depth)) return false;
                    break;
                case ']':
                    return fail(block, pos, "']' without '['");
                case '&':
                    return fail(block, pos, "'&' must follow a note");
                default:
                    return fail(block, pos, std::string("unexpected '") + c + "'");
            }
        }
        return true;
    }
};

}  // namespace

bool expandTrack(const Score& score, Track& track, std::string& error) {
    track.notes.clear();
    Expander expander{score, track, error};
    if (!expander.run(track.mml, 0, track.mml.text.size(), 0, false)) return false;
    if (expander.tieOpen)
        return expander.fail(*expander.tieBlock, expander.tiePos, "the track ends inside a tie");
    track.endTick = expander.tick;
    return true;
}

}  // namespace mmlc
