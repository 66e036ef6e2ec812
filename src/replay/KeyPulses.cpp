// Finding the steady presses of a key among a replay's lines.
#include "replay/KeyPulses.h"

#include <vector>

#include "platform/InputScript.h"

namespace {

using platform::ScriptEvent;

constexpr int kShortestRun = 3;

struct Line {
    std::string_view text;  // with its newline
    bool isKey = false;     // one key going down or up
    ScriptEvent event;
    std::string replacement;
    bool dropped = false;
};

std::vector<Line> splitLines(std::string_view text)
{
    std::vector<Line> lines;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        Line line;
        line.text = text.substr(0, end == std::string_view::npos ? text.size() : end + 1);
        text.remove_prefix(line.text.size());
        std::vector<ScriptEvent> events;
        std::string problem;
        if (platform::parseScriptLine(line.text, events, problem) && events.size() == 1 &&
            events[0].type == ScriptEvent::Type::Key && events[0].index != static_cast<int>(platform::Key::Escape)) {
            line.isKey = true;
            line.event = events[0];
        }
        lines.push_back(line);
    }
    return lines;
}

// The presses in a row from keyLines[first] on (a down, then its up, ...)
// that keep the down and up lengths of the first press.
int pressesInStep(const std::vector<Line>& lines, const std::vector<size_t>& keyLines, size_t first)
{
    const auto at = [&](size_t i) -> const ScriptEvent& { return lines[keyLines[i]].event; };
    if (first + 2 >= keyLines.size() || at(first).value != 1) return 0;
    const int down = at(first + 1).frame - at(first).frame;
    const int up = at(first + 2).frame - at(first + 1).frame;
    if (down < 1 || up < 1) return 0;
    int presses = 0;
    for (size_t i = first; i + 1 < keyLines.size() && presses < platform::kMaxKeyPulses; i += 2) {
        const int start = at(first).frame + presses * (down + up);
        if (at(i).value != 1 || at(i).frame != start || at(i + 1).value != 0 || at(i + 1).frame != start + down)
            break;
        ++presses;
    }
    return presses;
}

}  // namespace

std::string compactKeyPulses(std::string_view text)
{
    std::vector<Line> lines = splitLines(text);
    for (int key = 0; key < static_cast<int>(platform::Key::Count); ++key) {
        std::vector<size_t> keyLines;
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].isKey && lines[i].event.index == key) keyLines.push_back(i);
        for (size_t first = 0; first < keyLines.size();) {
            const int presses = pressesInStep(lines, keyLines, first);
            if (presses < kShortestRun) {
                ++first;
                continue;
            }
            const ScriptEvent& a = lines[keyLines[first]].event;
            const ScriptEvent& b = lines[keyLines[first + 1]].event;
            const ScriptEvent& c = lines[keyLines[first + 2]].event;
            lines[keyLines[first]].replacement =
                platform::formatKeyPulse(a.frame, key, b.frame - a.frame, c.frame - b.frame, presses) + "\n";
            for (size_t i = first + 1; i < first + 2 * static_cast<size_t>(presses); ++i)
                lines[keyLines[i]].dropped = true;
            first += 2 * static_cast<size_t>(presses);
        }
    }
    std::string out;
    out.reserve(text.size());
    for (const Line& line : lines) {
        if (line.dropped) continue;
        out += line.replacement.empty() ? std::string(line.text) : line.replacement;
    }
    return out;
}
