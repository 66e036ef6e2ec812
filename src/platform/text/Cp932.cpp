// CP932 through iconv. It is "CP932", not "SHIFT_JIS": glibc's SHIFT_JIS turns
// 0x5C into the yen sign and rejects the NEC and IBM extensions Windows has.
#include "platform/text/Cp932.h"

#include <iconv.h>

#include "platform/Font.h"

namespace platform {

namespace text {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

iconv_t converter()
{
    // Opened once and kept: every cell of every conversation goes through it.
    static iconv_t cd = iconv_open("UTF-32LE", "CP932");
    return cd;
}

}  // namespace

bool isLeadByte(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

char32_t decodeCp932(std::string_view sequence)
{
    if (sequence.empty() || sequence.size() > 2) return kReplacement;
    iconv_t cd = converter();
    if (cd == reinterpret_cast<iconv_t>(-1)) return kReplacement;
    char in[2] = {};
    sequence.copy(in, sequence.size());
    unsigned char out[8] = {};
    char* inPtr = in;
    size_t inLeft = sequence.size();
    char* outPtr = reinterpret_cast<char*>(out);
    size_t outLeft = sizeof out;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    if (result == static_cast<size_t>(-1) || inLeft != 0 || sizeof out - outLeft != 4) return kReplacement;
    return static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | static_cast<uint32_t>(out[3]) << 24);
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace text

std::string cp932ToUtf8(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const bool pair = text::isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
        char32_t c = text::decodeCp932(std::string_view(text).substr(i, pair ? 2 : 1));
        // A lead byte with a bad trail loses only itself: the trail may start
        // the next character.
        if (pair && c == 0xFFFD) {
            text::appendUtf8(out, c);
            ++i;
            continue;
        }
        text::appendUtf8(out, c);
        i += pair ? 2 : 1;
    }
    return out;
}

}  // namespace platform
