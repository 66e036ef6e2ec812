// Reads the recipe text format line by line; every problem is reported with
// the file and line it was found on, and nothing out of range gets through.
#include "Recipe.h"

#include <charconv>
#include <cmath>
#include <sstream>

#include "LineReader.h"

namespace sfxgen {
namespace {

constexpr double kMaxSeconds = 10.0;

using tools::LineReader;

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        if (i >= line.size() || line[i] == '#') break;
        std::size_t begin = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
               line[i] != '#')
            ++i;
        words.push_back(line.substr(begin, i - begin));
    }
    return words;
}

bool readNumber(LineReader& in, std::string_view word, const char* what, double low,
                double high, double& value) {
    double parsed = 0.0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), parsed);
    if (ec != std::errc() || end != word.data() + word.size() || !std::isfinite(parsed))
        return in.fail(std::string(what) + ": '" + std::string(word) + "' is not a number");
    if (parsed < low || parsed > high) {
        std::ostringstream message;
        message << what << " " << parsed << " is outside " << low << " .. " << high;
        return in.fail(message.str());
    }
    value = parsed;
    return true;
}

bool expectCount(LineReader& in, const std::vector<std::string_view>& words, std::size_t low,
                 std::size_t high, const char* usage) {
    if (words.size() < low || words.size() > high)
        return in.fail(std::string("expected '") + usage + "'");
    return true;
}

// "freq F [to F2] [lin|exp] [over T]"
bool readFreq(LineReader& in, const std::vector<std::string_view>& words, double nyquist,
              Voice& voice) {
    const char* usage = "freq HZ [to HZ] [lin|exp] [over SECONDS]";
    if (!expectCount(in, words, 2, 7, usage)) return false;
    if (!readNumber(in, words[1], "freq", 1.0, nyquist, voice.freqFrom)) return false;
    voice.freqTo = voice.freqFrom;
    std::size_t i = 2;
    while (i < words.size()) {
        if (words[i] == "to" && i + 1 < words.size()) {
            if (!readNumber(in, words[i + 1], "freq", 1.0, nyquist, voice.freqTo)) return false;
            i += 2;
        } else if (words[i] == "over" && i + 1 < words.size()) {
            if (!readNumber(in, words[i + 1], "slide time", 0.0001, kMaxSeconds, voice.slideTime))
                return false;
            i += 2;
        } else if (words[i] == "lin") {
            voice.slideCurve = Curve::Linear;
            ++i;
        } else if (words[i] == "exp") {
            voice.slideCurve = Curve::Exponential;
            ++i;
        } else {
            return in.fail(std::string("expected '") + usage + "'");
        }
    }
    return true;
}

// "filter lowpass|highpass|bandpass HZ [to HZ] [q Q]"
bool readFilter(LineReader& in, const std::vector<std::string_view>& words, double nyquist,
                Voice& voice) {
    const char* usage = "filter lowpass|highpass|bandpass HZ [to HZ] [q Q]";
    if (!expectCount(in, words, 3, 7, usage)) return false;
    if (words[1] == "lowpass") voice.filter = FilterKind::Lowpass;
    else if (words[1] == "highpass") voice.filter = FilterKind::Highpass;
    else if (words[1] == "bandpass") voice.filter = FilterKind::Bandpass;
    else return in.fail("unknown filter '" + std::string(words[1]) + "'");
    double limit = nyquist * 0.95;
    if (!readNumber(in, words[2], "cutoff", 10.0, limit, voice.cutoffFrom)) return false;
    voice.cutoffTo = voice.cutoffFrom;
    std::size_t i = 3;
    while (i < words.size()) {
        if (words[i] == "to" && i + 1 < words.size()) {
            if (!readNumber(in, words[i + 1], "cutoff", 10.0, limit, voice.cutoffTo)) return false;
        } else if (words[i] == "q" && i + 1 < words.size()) {
            if (!readNumber(in, words[i + 1], "q", 0.1, 30.0, voice.q)) return false;
        } else {
            return in.fail(std::string("expected '") + usage + "'");
        }
        i += 2;
    }
    return true;
}

bool readWave(LineReader& in, const std::vector<std::string_view>& words, Voice& voice) {
    if (!expectCount(in, words, 2, 3, "wave sine|square [DUTY]|saw|triangle|noise"))
        return false;
    std::string_view name = words[1];
    if (name == "sine") voice.wave = Wave::Sine;
    else if (name == "square") voice.wave = Wave::Square;
    else if (name == "saw") voice.wave = Wave::Saw;
    else if (name == "triangle") voice.wave = Wave::Triangle;
    else if (name == "noise") voice.wave = Wave::Noise;
    else return in.fail("unknown wave '" + std::string(name) + "'");
    if (words.size() == 3) {
        if (voice.wave != Wave::Square) return in.fail("only a square wave takes a duty");
        if (!readNumber(in, words[2], "duty", 0.01, 0.99, voice.duty)) return false;
    }
    return true;
}

bool readVoiceLine(LineReader& in, const std::vector<std::string_view>& words, double nyquist,
                   Voice& voice) {
    std::string_view key = words[0];
    if (key == "wave") return readWave(in, words, voice);
    if (key == "freq") return readFreq(in, words, nyquist, voice);
    if (key == "filter") return readFilter(in, words, nyquist, voice);
    if (key == "at") {
        return expectCount(in, words, 2, 2, "at SECONDS") &&
               readNumber(in, words[1], "start", 0.0, kMaxSeconds, voice.start);
    }
    if (key == "dur") {
        return expectCount(in, words, 2, 2, "dur SECONDS") &&
               readNumber(in, words[1], "duration", 0.001, kMaxSeconds, voice.duration);
    }
    if (key == "level") {
        return expectCount(in, words, 2, 2, "level DB") &&
               readNumber(in, words[1], "level", -80.0, 12.0, voice.levelDb);
    }
    if (key == "vibrato") {
        return expectCount(in, words, 3, 3, "vibrato HZ SEMITONES") &&
               readNumber(in, words[1], "vibrato rate", 0.0, 100.0, voice.vibratoRate) &&
               readNumber(in, words[2], "vibrato depth", 0.0, 12.0, voice.vibratoDepth);
    }
    if (key == "adsr") {
        return expectCount(in, words, 5, 5, "adsr ATTACK DECAY SUSTAIN RELEASE") &&
               readNumber(in, words[1], "attack", 0.0, kMaxSeconds, voice.attack) &&
               readNumber(in, words[2], "decay", 0.0, kMaxSeconds, voice.decay) &&
               readNumber(in, words[3], "sustain", 0.0, 1.0, voice.sustain) &&
               readNumber(in, words[4], "release", 0.0, kMaxSeconds, voice.release);
    }
    if (key == "fm") {
        if (!expectCount(in, words, 3, 5, "fm RATIO INDEX [to INDEX]")) return false;
        if (!readNumber(in, words[1], "fm ratio", 0.01, 32.0, voice.fmRatio) ||
            !readNumber(in, words[2], "fm index", 0.0, 50.0, voice.fmIndexFrom))
            return false;
        voice.fmIndexTo = voice.fmIndexFrom;
        if (words.size() == 5 && words[3] == "to")
            return readNumber(in, words[4], "fm index", 0.0, 50.0, voice.fmIndexTo);
        return words.size() == 3 || in.fail("expected 'fm RATIO INDEX [to INDEX]'");
    }
    return in.fail("unknown voice setting '" + std::string(key) + "'");
}

bool readGlobalLine(LineReader& in, const std::vector<std::string_view>& words, Recipe& out) {
    std::string_view key = words[0];
    if (key == "rate") {
        double rate = 0.0;
        if (!expectCount(in, words, 2, 2, "rate 22050|44100") ||
            !readNumber(in, words[1], "rate", 22050.0, 44100.0, rate))
            return false;
        if (rate != 22050.0 && rate != 44100.0) return in.fail("rate must be 22050 or 44100");
        if (!out.voices.empty()) return in.fail("rate must come before the first voice");
        out.sampleRate = static_cast<int>(rate);
        return true;
    }
    if (key == "seed") {
        double seed = 0.0;
        if (!expectCount(in, words, 2, 2, "seed NUMBER") ||
            !readNumber(in, words[1], "seed", 0.0, 4294967295.0, seed))
            return false;
        if (seed != std::floor(seed)) return in.fail("seed must be a whole number");
        out.seed = static_cast<std::uint32_t>(seed);
        return true;
    }
    if (key == "peak") {
        // Anything above -1 dBFS risks clipping once the game mixes sounds.
        return expectCount(in, words, 2, 2, "peak DB") &&
               readNumber(in, words[1], "peak", -60.0, -1.0, out.peakDb);
    }
    if (key == "drive") {
        return expectCount(in, words, 2, 2, "drive AMOUNT") &&
               readNumber(in, words[1], "drive", 0.0, 20.0, out.drive);
    }
    if (key == "length") {
        return expectCount(in, words, 2, 2, "length SECONDS") &&
               readNumber(in, words[1], "length", 0.01, kMaxSeconds, out.length);
    }
    if (key == "echo") {
        return expectCount(in, words, 4, 4, "echo DELAY MIX FEEDBACK") &&
               readNumber(in, words[1], "echo delay", 0.005, 2.0, out.echoDelay) &&
               readNumber(in, words[2], "echo mix", 0.0, 1.0, out.echoMix) &&
               readNumber(in, words[3], "echo feedback", 0.0, 0.9, out.echoFeedback);
    }
    return in.fail("unknown setting '" + std::string(key) + "'");
}

}  // namespace

bool parseRecipe(std::string_view text, const std::string& fileName, Recipe& out,
                 std::string& error) {
    out = Recipe{};
    LineReader in{fileName, 0, error};
    bool inVoice = false;
    Voice voice;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t newline = text.find('\n', pos);
        if (newline == std::string_view::npos) newline = text.size();
        std::string_view line = text.substr(pos, newline - pos);
        pos = newline + 1;
        ++in.line;
        std::vector<std::string_view> words = splitWords(line);
        if (words.empty()) continue;
        if (words[0] == "voice") {
            if (inVoice) return in.fail("'voice' inside a voice (missing 'end')");
            if (words.size() != 1) return in.fail("expected 'voice' alone on its line");
            inVoice = true;
            voice = Voice{};
        } else if (words[0] == "end") {
            if (!inVoice) return in.fail("'end' without a 'voice'");
            if (words.size() != 1) return in.fail("expected 'end' alone on its line");
            out.voices.push_back(voice);
            inVoice = false;
        } else if (inVoice) {
            if (!readVoiceLine(in, words, out.sampleRate / 2.0, voice)) return false;
        } else if (!readGlobalLine(in, words, out)) {
            return false;
        }
    }
    if (inVoice) return in.fail("the last voice has no 'end'");
    if (out.voices.empty()) return in.fail("the recipe has no voice");
    return true;
}

}  // namespace sfxgen
