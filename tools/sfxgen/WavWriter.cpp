// Encodes 16-bit PCM samples as a RIFF WAVE file image.
#include "WavWriter.h"

namespace sfxgen {
namespace {

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

void putLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<std::int16_t>& samples, int sampleRate,
                                    int channels) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(channels) * 2;
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes + 1);
    putTag(out, "RIFF");
    // RIFF chunks are padded to an even size; 16-bit data always is.
    putLe(out, 36 + dataBytes, 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putLe(out, 16, 4);
    putLe(out, 1, 2);
    putLe(out, static_cast<std::uint32_t>(channels), 2);
    putLe(out, static_cast<std::uint32_t>(sampleRate), 4);
    putLe(out, static_cast<std::uint32_t>(sampleRate) * blockAlign, 4);
    putLe(out, blockAlign, 2);
    putLe(out, 16, 2);
    putTag(out, "data");
    putLe(out, dataBytes, 4);
    for (std::int16_t sample : samples) putLe(out, static_cast<std::uint16_t>(sample), 2);
    return out;
}

}  // namespace sfxgen
