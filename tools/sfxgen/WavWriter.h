// Encodes 16-bit PCM samples as a RIFF WAVE file image.
#pragma once

#include <cstdint>
#include <vector>

namespace sfxgen {

// Layout, little-endian: "RIFF", size-8, "WAVE"; "fmt ", 16, format 1 (PCM),
// channels, sample rate, bytes per second, block align, 16 bits; "data",
// byte count, the samples (interleaved when there are two channels).
std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& samples, int sampleRate,
                                    int channels);

}  // namespace sfxgen
