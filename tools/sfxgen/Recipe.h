// The sound-effect recipe: a few global settings and a list of voices, read
// from the line-based text format documented at the top of every recipe file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sfxgen {

enum class Wave { Sine, Square, Saw, Triangle, Noise };
enum class Curve { Exponential, Linear };
enum class FilterKind { None, Lowpass, Highpass, Bandpass };

// One oscillator with its own envelope, pitch path and filter. All times are
// seconds from the start of the sound; levels are decibels.
struct Voice {
    Wave wave = Wave::Sine;
    double duty = 0.5;
    double start = 0.0;
    double duration = 0.1;  // gate time; the release follows it
    double freqFrom = 440.0;
    double freqTo = 440.0;
    double slideTime = 0.0;  // 0: the slide lasts the whole gate time
    Curve slideCurve = Curve::Exponential;
    double vibratoRate = 0.0;   // Hz
    double vibratoDepth = 0.0;  // semitones
    double fmRatio = 0.0;       // 0: no frequency modulation
    double fmIndexFrom = 0.0;
    double fmIndexTo = 0.0;
    double attack = 0.002;
    double decay = 0.0;
    double sustain = 1.0;
    double release = 0.02;
    double levelDb = 0.0;
    FilterKind filter = FilterKind::None;
    double cutoffFrom = 1000.0;
    double cutoffTo = 1000.0;
    double q = 0.707;
};

struct Recipe {
    int sampleRate = 44100;
    std::uint32_t seed = 1;
    double peakDb = -3.0;  // the normaliser's target
    double drive = 0.0;    // 0: no soft limiting before the normaliser
    double echoDelay = 0.0;
    double echoMix = 0.0;
    double echoFeedback = 0.0;
    double length = 0.0;  // 0: long enough for every voice and the echo tail
    std::vector<Voice> voices;
};

// Fills `out` from recipe text. On failure returns false with
// "FILE:LINE: problem" in `error`.
bool parseRecipe(std::string_view text, const std::string& fileName, Recipe& out,
                 std::string& error);

}  // namespace sfxgen
