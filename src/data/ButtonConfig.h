// The button assignment: which joystick button (0-7) each player action is
// on, kept in "joyconfig.dat" as six decimal numbers.
#pragma once

#include <string>
#include <string_view>

// Actions in the order of the file and of the configuration screen's rows.
enum Action : int {
    kActionShotA = 0,
    kActionShotB = 1,
    kActionSubWeapon = 2,
    kActionSpecial = 3,
    kActionFocus = 4,
    kActionToggle = 5,
};
constexpr int kActionCount = 6;
constexpr int kDefaultActionButton[kActionCount] = {0, 1, 6, 2, 7, 4};

extern int g_actionButton[kActionCount];

constexpr const char* kButtonConfigFile = "joyconfig.dat";

void setDefaultActionButtons();

// True when the text holds six numbers 0-7 (what follows them is ignored);
// buttons is written only then. Two actions on one button is allowed.
bool parseButtonConfig(std::string_view text, int buttons[kActionCount]);
// "a\nb\nc\nd\ne\nf": a line feed after each of the first five.
std::string formatButtonConfig(const int buttons[kActionCount]);

// Fills g_actionButton from the file; true when it was read. A missing file
// shows "joyconfig.datファイルが開けません", unusable contents a message of
// their own; either way the defaults are put in place.
bool readButtonConfig();
// Writes g_actionButton to the file; on failure the same message and false.
bool writeButtonConfig();
