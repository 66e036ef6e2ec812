// The folder of the player's own files in the XDG data home, and its set-up
// on each start: it is created on the first, and given the shipped default
// button assignment, which the player then owns.
#pragma once

#include <string>

namespace platform {

// $XDG_DATA_HOME/lanternfall/, by default ~/.local/share/lanternfall/.
std::string dataHomePlayerDirectory();

// Creates the directory (ending in '/') with its lnfpac/ and copies the
// shipped assignment file into it unless the player has one of their own.
// Returns what went wrong, or an empty string when the player's files can be
// saved there.
std::string preparePlayerDirectory(const std::string& directory, const std::string& shippedButtonConfig);

// Makes the data-home folder the player directory and prepares it from the
// game folder (the working directory). A folder that cannot be written costs
// one message box; the game then plays on and keeps the progress in memory.
void keepPlayerFilesInDataHome();

}  // namespace platform
