// The headless input script: parsing its lines into events by frame, and
// writing events back as lines.
#include "platform/InputScript.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <vector>

namespace platform {

namespace {

constexpr const char* kKeyNames[] = {"up", "down", "left", "right", "z", "x",
                                     "c", "a", "space", "shift", "ctrl", "escape", "tab"};
static_assert(std::size(kKeyNames) == static_cast<size_t>(Key::Count));

bool parseInt(const std::string& word, int low, int high, int& value)
{
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    return ec == std::errc() && ptr == end && value >= low && value <= high;
}

bool parseUpDown(const std::string& word, int& value)
{
    if (word == "down") value = 1;
    else if (word == "up") value = 0;
    else return false;
    return true;
}

// Parses the words of one line after its frame number. Empty result: fine.
std::string parseEvent(const std::vector<std::string>& w, ScriptEvent& event)
{
    const auto expect = [&](size_t count) {
        return w.size() == count ? std::string() : "expected " + std::to_string(count) + " words";
    };
    const auto keyIndex = [&](const std::string& name) {
        const auto found = std::find(std::begin(kKeyNames), std::end(kKeyNames), name);
        if (found == std::end(kKeyNames)) return "unknown key \"" + name + "\"";
        event.index = static_cast<int>(found - std::begin(kKeyNames));
        return std::string();
    };
    if (w[1] == "key") {
        event.type = ScriptEvent::Type::Key;
        if (w.size() == 7 && w[3] == "pulse") return keyIndex(w[2]);
        if (auto e = expect(4); !e.empty()) return e;
        if (auto e = keyIndex(w[2]); !e.empty()) return e;
        if (!parseUpDown(w[3], event.value)) return "expected down or up, got \"" + w[3] + "\"";
        return {};
    }
    if (w[1] == "press") {
        event.type = ScriptEvent::Type::Press;
        if (auto e = expect(3); !e.empty()) return e;
        return keyIndex(w[2]);
    }
    if (w[1] == "joy") {
        if (w.size() < 3) return "expected attach, detach, lost, axis or button after joy";
        if (w[2] == "attach" || w[2] == "detach") {
            event.type = ScriptEvent::Type::JoyAttach;
            event.value = w[2] == "attach";
            return expect(3);
        }
        if (w[2] == "lost") {
            event.type = ScriptEvent::Type::JoyLost;
            return expect(3);
        }
        if (w[2] == "axis") {
            event.type = ScriptEvent::Type::JoyAxis;
            if (auto e = expect(5); !e.empty()) return e;
            if (w[3] != "x" && w[3] != "y") return "expected axis x or y, got \"" + w[3] + "\"";
            event.index = w[3] == "y";
            if (!parseInt(w[4], -100, 100, event.value)) return "axis value must be -100..100";
            return {};
        }
        if (w[2] == "button") {
            event.type = ScriptEvent::Type::JoyButton;
            if (auto e = expect(5); !e.empty()) return e;
            if (!parseInt(w[3], 0, 7, event.index)) return "button must be 0..7";
            if (!parseUpDown(w[4], event.value)) return "expected down or up, got \"" + w[4] + "\"";
            return {};
        }
        return "unknown joy event \"" + w[2] + "\"";
    }
    if (w[1] == "focus") {
        event.type = ScriptEvent::Type::Focus;
        if (auto e = expect(3); !e.empty()) return e;
        if (w[2] == "gained") event.value = 1;
        else if (w[2] == "lost") event.value = 0;
        else return "expected lost or gained, got \"" + w[2] + "\"";
        return {};
    }
    if (w[1] == "close") {
        event.type = ScriptEvent::Type::Close;
        return expect(2);
    }
    return "unknown event \"" + w[1] + "\"";
}

// The presses of "FRAME key NAME pulse DOWN UP COUNT", appended to events.
std::string expandPulse(const std::vector<std::string>& w, const ScriptEvent& first, std::vector<ScriptEvent>& events)
{
    int down = 0, up = 0, count = 0;
    if (!parseInt(w[4], 1, 1 << 20, down) || !parseInt(w[5], 1, 1 << 20, up) ||
        !parseInt(w[6], 1, kMaxKeyPulses, count))
        return "a pulse holds the key down and up for 1 or more frames, 1 to " + std::to_string(kMaxKeyPulses) +
               " times";
    if (int64_t{first.frame} + int64_t{down + up} * count > (int64_t{1} << 30)) return "the pulse runs past frame 2^30";
    ScriptEvent event = first;
    for (int i = 0; i < count; ++i) {
        event.frame = first.frame + i * (down + up);
        event.value = 1;
        events.push_back(event);
        event.frame += down;
        event.value = 0;
        events.push_back(event);
    }
    return {};
}

}  // namespace

bool parseScriptLine(std::string_view line, std::vector<ScriptEvent>& events, std::string& problem)
{
    line = line.substr(0, line.find('#'));
    std::istringstream words{std::string(line)};
    std::vector<std::string> w;
    for (std::string word; words >> word;) w.push_back(word);
    if (w.empty()) return true;
    ScriptEvent parsed;
    if (!parseInt(w[0], 0, 1 << 30, parsed.frame)) problem = "expected a frame number, got \"" + w[0] + "\"";
    else if (w.size() < 2) problem = "expected an event after the frame number";
    else problem = parseEvent(w, parsed);
    if (problem.empty() && parsed.type == ScriptEvent::Type::Key && w.size() == 7)
        problem = expandPulse(w, parsed, events);
    else if (problem.empty())
        events.push_back(parsed);
    return problem.empty();
}

std::string formatKeyPulse(int frame, int key, int downFrames, int upFrames, int count)
{
    ScriptEvent down{frame, ScriptEvent::Type::Key, key, 1};
    std::string line = formatScriptEvent(down);
    line.resize(line.size() - 4);  // "down"
    return line + "pulse " + std::to_string(downFrames) + " " + std::to_string(upFrames) + " " + std::to_string(count);
}

std::string formatScriptEvent(const ScriptEvent& event)
{
    const std::string frame = std::to_string(event.frame) + " ";
    const auto upDown = [](int value) { return value ? "down" : "up"; };
    const auto key = [](int index) {
        return index >= 0 && index < static_cast<int>(std::size(kKeyNames)) ? kKeyNames[index] : "?";
    };
    switch (event.type) {
    case ScriptEvent::Type::Key: return frame + "key " + key(event.index) + " " + upDown(event.value);
    case ScriptEvent::Type::Press: return frame + "press " + key(event.index);
    case ScriptEvent::Type::JoyAttach: return frame + (event.value ? "joy attach" : "joy detach");
    case ScriptEvent::Type::JoyLost: return frame + "joy lost";
    case ScriptEvent::Type::JoyAxis:
        return frame + "joy axis " + (event.index ? "y " : "x ") + std::to_string(event.value);
    case ScriptEvent::Type::JoyButton:
        return frame + "joy button " + std::to_string(event.index) + " " + upDown(event.value);
    case ScriptEvent::Type::Focus: return frame + (event.value ? "focus gained" : "focus lost");
    case ScriptEvent::Type::Close: return frame + "close";
    }
    return frame;
}

bool HeadlessBackend::parseInputScript(const std::string& text, std::string* error)
{
    std::vector<ScriptEvent> events;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        std::string problem;
        if (!parseScriptLine(line, events, problem)) {
            if (error) *error = "line " + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
    }
    setInputScript(std::move(events));
    applyScript();
    return true;
}

void HeadlessBackend::setInputScript(std::vector<ScriptEvent> events)
{
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    script_ = std::move(events);
    scriptNext_ = 0;
}

bool HeadlessBackend::loadInputScript(const std::string& path, std::string* error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (error) *error = path + ": cannot open the input script";
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    std::string script = text.str();
    // Editors on some systems start a text file with a byte-order mark.
    if (script.rfind("\xEF\xBB\xBF", 0) == 0) script.erase(0, 3);
    std::string problem;
    if (!parseInputScript(script, &problem)) {
        if (error) *error = path + ": " + problem;
        return false;
    }
    return true;
}

}  // namespace platform
