// Finding the Japanese face on this machine through fontconfig.
#pragma once

#include <string>

namespace platform::text {

struct FontFile {
    std::string path;
    int index = 0;  // face within a collection
};

// The fixed-pitch Japanese face (IPAGothic preferred); false and a message
// naming the problem when the machine has none that covers Japanese.
bool findJapaneseFont(FontFile& file, std::string* error);

}  // namespace platform::text
