// Reading and writing the button assignment file.
#include "data/ButtonConfig.h"

#include <sstream>
#include <vector>

#include "app/Message.h"
#include "data/SafeWrite.h"
#include "data/WholeFile.h"
#include "platform/Locations.h"

int g_actionButton[kActionCount] = {0, 1, 6, 2, 7, 4};

namespace {

constexpr const char* kCannotOpen = "joyconfig.datファイルが開けません";
constexpr const char* kCannotRead =
    "joyconfig.datファイルの読み込みに失敗しました。初期設定のボタンを使います";
constexpr const char* kBadContents =
    "joyconfig.datの内容が正しくありません(0から7の数が6つ必要です)。初期設定のボタンを使います";

}  // namespace

void setDefaultActionButtons() {
    for (int i = 0; i < kActionCount; ++i) g_actionButton[i] = kDefaultActionButton[i];
}

bool parseButtonConfig(std::string_view text, int buttons[kActionCount]) {
    std::istringstream in{std::string(text)};
    int parsed[kActionCount];
    for (int& b : parsed) {
        if (!(in >> b) || b < 0 || b > 7) return false;
    }
    for (int i = 0; i < kActionCount; ++i) buttons[i] = parsed[i];
    return true;
}

std::string formatButtonConfig(const int buttons[kActionCount]) {
    std::string text;
    for (int i = 0; i < kActionCount; ++i) {
        text += std::to_string(buttons[i]);
        if (i + 1 < kActionCount) text += '\n';
    }
    return text;
}

bool readButtonConfig() {
    std::vector<uint8_t> bytes;
    FileReadResult read = readWholeFile(platform::playerFileToRead(kButtonConfigFile).c_str(), bytes);
    if (read != FileReadResult::Read) {
        messageBox(read == FileReadResult::CannotOpen ? kCannotOpen : kCannotRead);
        setDefaultActionButtons();
        return false;
    }
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!parseButtonConfig(text, g_actionButton)) {
        messageBox(kBadContents);
        setDefaultActionButtons();
        return false;
    }
    return true;
}

bool writeButtonConfig() {
    const std::string text = formatButtonConfig(g_actionButton);
    const std::string path = platform::playerFilePath(kButtonConfigFile);
    if (!replaceFileSafely(path.c_str(), reinterpret_cast<const uint8_t*>(text.data()), text.size())) {
        messageBox(kCannotOpen);
        return false;
    }
    return true;
}
