// Renders a recipe to samples: every voice mixed, the echo applied, then the
// soft limiter and the normaliser that set the final peak.
#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace sfxgen {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTailFadeSeconds = 0.003;
constexpr double kTrimFadeSeconds = 0.05;

// Xorshift keeps the noise identical on every run and every machine.
struct Noise {
    std::uint32_t state;
    double next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 2147483648.0 - 1.0;
    }
};

// Smooths the step of a square or saw over one sample, which keeps high
// pitches from folding back as harsh aliases.
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double wrap(double phase) { return phase - std::floor(phase); }

double oscillator(const Voice& voice, double phase, double dt, Noise& noise, double& held,
                  bool wrapped) {
    switch (voice.wave) {
        case Wave::Sine:
            return std::sin(2.0 * kPi * phase);
        case Wave::Triangle:
            return 4.0 * std::fabs(phase - 0.5) - 1.0;
        case Wave::Saw:
            return 2.0 * phase - 1.0 - polyBlep(phase, dt);
        case Wave::Square: {
            double value = phase < voice.duty ? 1.0 : -1.0;
            value += polyBlep(phase, dt);
            value -= polyBlep(wrap(phase - voice.duty + 1.0), dt);
            return value;
        }
        case Wave::Noise:
            if (wrapped) held = noise.next();
            return held;
    }
    return 0.0;
}

double envelope(const Voice& voice, double t) {
    auto gateLevel = [&](double u) {
        if (u < voice.attack) return u / voice.attack;
        u -= voice.attack;
        if (u < voice.decay) {
            double k = 1.0 - u / voice.decay;
            return voice.sustain + (1.0 - voice.sustain) * k * k;
        }
        return voice.sustain;
    };
    if (t < voice.duration) return gateLevel(t);
    double fromLevel = gateLevel(voice.duration);
    double u = t - voice.duration;
    if (u >= voice.release) return 0.0;
    double k = 1.0 - u / voice.release;
    return fromLevel * k * k;
}

double frequencyAt(const Voice& voice, double t) {
    double span = voice.slideTime > 0.0 ? voice.slideTime : voice.duration;
    double k = std::min(t / span, 1.0);
    double freq = voice.slideCurve == Curve::Linear
                      ? voice.freqFrom + (voice.freqTo - voice.freqFrom) * k
                      : voice.freqFrom * std::pow(voice.freqTo / voice.freqFrom, k);
    if (voice.vibratoDepth > 0.0)
        freq *= std::pow(2.0, voice.vibratoDepth / 12.0 * std::sin(2.0 * kPi * voice.vibratoRate * t));
    return freq;
}

// A biquad from the usual cookbook formulas, its coefficients recomputed every
// sample so the cutoff can sweep.
struct Biquad {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double run(FilterKind kind, double cutoff, double q, double rate, double x) {
        double w = 2.0 * kPi * cutoff / rate;
        double alpha = std::sin(w) / (2.0 * q);
        double c = std::cos(w);
        double b0 = x, b1 = 0, b2 = 0;
        switch (kind) {
            case FilterKind::Lowpass: b0 = (1 - c) / 2; b1 = 1 - c; b2 = (1 - c) / 2; break;
            case FilterKind::Highpass: b0 = (1 + c) / 2; b1 = -(1 + c); b2 = (1 + c) / 2; break;
            case FilterKind::Bandpass: b0 = alpha; b1 = 0; b2 = -alpha; break;
            case FilterKind::None: return x;
        }
        double a0 = 1 + alpha, a1 = -2 * c, a2 = 1 - alpha;
        double y = (b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2) / a0;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return y;
    }
};

void renderVoice(const Voice& voice, std::size_t index, const Recipe& recipe,
                 std::vector<double>& mix) {
    const double rate = recipe.sampleRate;
    const double total = voice.duration + voice.release;
    const double gain = std::pow(10.0, voice.levelDb / 20.0);
    Noise noise{(recipe.seed ^ static_cast<std::uint32_t>(0x9E3779B9u * (index + 1))) | 1u};
    double held = noise.next();
    Biquad filter;
    double phase = 0.0, modPhase = 0.0;
    std::size_t first = static_cast<std::size_t>(std::llround(voice.start * rate));
    std::size_t count = static_cast<std::size_t>(std::llround(total * rate));
    for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
        double t = static_cast<double>(i) / rate;
        double k = t / total;
        double freq = frequencyAt(voice, t);
        double dt = std::min(freq / rate, 0.5);
        double readPhase = phase;
        if (voice.fmRatio > 0.0) {
            double fmIndex = voice.fmIndexFrom + (voice.fmIndexTo - voice.fmIndexFrom) * k;
            readPhase = wrap(phase + fmIndex * std::sin(2.0 * kPi * modPhase) / (2.0 * kPi));
            modPhase = wrap(modPhase + freq * voice.fmRatio / rate);
        }
        double advanced = phase + freq / rate;
        bool wrapped = advanced >= 1.0;
        phase = wrap(advanced);
        double value = oscillator(voice, readPhase, dt, noise, held, wrapped);
        if (voice.filter != FilterKind::None) {
            double cutoff = voice.cutoffFrom * std::pow(voice.cutoffTo / voice.cutoffFrom, k);
            value = filter.run(voice.filter, cutoff, voice.q, rate, value);
        }
        mix[first + i] += value * envelope(voice, t) * gain;
    }
}

std::size_t lengthInSamples(const Recipe& recipe) {
    double seconds = recipe.length;
    if (seconds <= 0.0) {
        for (const Voice& voice : recipe.voices)
            seconds = std::max(seconds, voice.start + voice.duration + voice.release);
        if (recipe.echoMix > 0.0) {
            // Repeats continue until they fall 40 dB below the first echo.
            int repeats = 1;
            if (recipe.echoFeedback > 0.0)
                repeats += static_cast<int>(std::ceil(std::log(0.01) / std::log(recipe.echoFeedback)));
            seconds += recipe.echoDelay * std::min(repeats, 40);
        }
    }
    return static_cast<std::size_t>(std::ceil(seconds * recipe.sampleRate));
}

}  // namespace

std::vector<double> renderVoices(const Recipe& recipe) {
    std::vector<double> mix(lengthInSamples(recipe), 0.0);
    for (std::size_t i = 0; i < recipe.voices.size(); ++i) renderVoice(recipe.voices[i], i, recipe, mix);
    if (recipe.echoMix > 0.0) {
        std::size_t delay = static_cast<std::size_t>(std::llround(recipe.echoDelay * recipe.sampleRate));
        std::vector<double> wet(mix.size(), 0.0);
        for (std::size_t n = delay; n < mix.size(); ++n)
            wet[n] = recipe.echoMix * mix[n - delay] + recipe.echoFeedback * wet[n - delay];
        for (std::size_t n = 0; n < mix.size(); ++n) mix[n] += wet[n];
    }
    // A cut-off tail would click, so the end always fades to silence; a sound
    // trimmed by an explicit length may still ring, and fades for longer.
    double fadeSeconds = recipe.length > 0.0 ? std::min(kTrimFadeSeconds, recipe.length * 0.15) : kTailFadeSeconds;
    std::size_t fade = std::min(mix.size(), static_cast<std::size_t>(fadeSeconds * recipe.sampleRate));
    for (std::size_t i = 0; i < fade; ++i) mix[mix.size() - 1 - i] *= static_cast<double>(i) / fade;
    return mix;
}

bool finishSamples(const Recipe& recipe, const std::vector<double>& mix,
                   std::vector<std::int16_t>& pcm, std::string& error) {
    double peak = 0.0;
    for (double value : mix) peak = std::max(peak, std::fabs(value));
    if (peak < 1e-9) {
        error = "the recipe renders silence";
        return false;
    }
    std::vector<double> shaped(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) {
        double x = mix[i] / peak;
        shaped[i] = recipe.drive > 0.0 ? std::tanh(recipe.drive * x) : x;
    }
    double shapedPeak = 0.0;
    for (double value : shaped) shapedPeak = std::max(shapedPeak, std::fabs(value));
    const double scale = std::pow(10.0, recipe.peakDb / 20.0) * 32767.0 / shapedPeak;
    pcm.resize(shaped.size());
    for (std::size_t i = 0; i < shaped.size(); ++i) {
        long value = std::lround(shaped[i] * scale);
        pcm[i] = static_cast<std::int16_t>(std::clamp(value, -32767L, 32767L));
    }
    return true;
}

}  // namespace sfxgen
