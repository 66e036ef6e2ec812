// Converts single UTF-8 characters to Windows Shift-JIS (code page 932) with iconv.
#include "Cp932.h"

#include <iconv.h>

namespace tools {

namespace {
const iconv_t kNoHandle = reinterpret_cast<iconv_t>(-1);
}

Cp932Converter::Cp932Converter() : handle_(iconv_open("CP932", "UTF-8")) {}

Cp932Converter::~Cp932Converter() {
    if (ready()) iconv_close(static_cast<iconv_t>(handle_));
}

bool Cp932Converter::ready() const { return static_cast<iconv_t>(handle_) != kNoHandle; }

bool Cp932Converter::convert(const std::string& utf8Character, std::string& out) {
    out.clear();
    if (!ready()) return false;
    iconv_t cd = static_cast<iconv_t>(handle_);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string input = utf8Character;
    char buffer[16];
    char* in = input.data();
    std::size_t inLeft = input.size();
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) return false;
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return false;
    out.assign(buffer, outPtr);
    return true;
}

}  // namespace tools
