// Converts single UTF-8 characters to Windows Shift-JIS (code page 932) with iconv.
#pragma once

#include <string>

namespace tools {

class Cp932Converter {
public:
    Cp932Converter();
    ~Cp932Converter();
    Cp932Converter(const Cp932Converter&) = delete;
    Cp932Converter& operator=(const Cp932Converter&) = delete;

    bool ready() const;
    // Converts one character (its UTF-8 bytes); false when code page 932 has no form for it.
    bool convert(const std::string& utf8Character, std::string& out);

private:
    void* handle_;
};

}  // namespace tools
