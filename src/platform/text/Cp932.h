// Windows Shift-JIS (CP932) decoding for the conversation font and messages.
#pragma once

#include <string>
#include <string_view>

namespace platform::text {

// Whether the byte starts a two-byte CP932 character.
bool isLeadByte(unsigned char byte);

// The character of one CP932 sequence (one byte, or a lead byte and its
// trail) as a Unicode code point; U+FFFD when the bytes map to nothing.
char32_t decodeCp932(std::string_view sequence);

// Appends the code point as UTF-8.
void appendUtf8(std::string& out, char32_t c);

}  // namespace platform::text
