// Rapid fire in a replay: a key pressed and let go in a steady rhythm is
// written as one pulse line instead of a line for every down and every up.
#pragma once

#include <string>
#include <string_view>

// Rewrites whole lines (each with its newline) so that every run of three or
// more presses of one key with the same down and up lengths becomes one
// "FRAME key NAME pulse DOWN UP COUNT" line where the run's first line stood.
// Reading the result gives the same events by frame. Escape is left as it
// is: the order of its key-down events among a frame's others matters.
std::string compactKeyPulses(std::string_view lines);
