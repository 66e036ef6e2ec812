// The headless input script: parsing its lines into events by frame.
#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

#include "platform/HeadlessBackend.h"

namespace platform {

namespace {

using ScriptEvent = HeadlessBackend::ScriptEvent;

constexpr const char* kKeyNames[] = {"up", "down", "left", "right", "z", "x",
                                     "c", "a", "space", "shift", "ctrl", "escape"};
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
    if (w[1] == "key") {
        event.type = ScriptEvent::Type::Key;
        if (auto e = expect(4); !e.empty()) return e;
        const auto found = std::find(std::begin(kKeyNames), std::end(kKeyNames), w[2]);
        if (found == std::end(kKeyNames)) return "unknown key \"" + w[2] + "\"";
        event.index = static_cast<int>(found - std::begin(kKeyNames));
        if (!parseUpDown(w[3], event.value)) return "expected down or up, got \"" + w[3] + "\"";
        return {};
    }
    if (w[1] == "joy") {
        if (w.size() < 3) return "expected attach, detach, axis or button after joy";
        if (w[2] == "attach" || w[2] == "detach") {
            event.type = ScriptEvent::Type::JoyAttach;
            event.value = w[2] == "attach";
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

}  // namespace

bool HeadlessBackend::parseInputScript(const std::string& text, std::string* error)
{
    std::vector<ScriptEvent> events;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        line = line.substr(0, line.find('#'));
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string word; words >> word;) w.push_back(word);
        if (w.empty()) continue;
        ScriptEvent event;
        std::string problem;
        if (!parseInt(w[0], 0, 1 << 30, event.frame)) problem = "expected a frame number, got \"" + w[0] + "\"";
        else if (w.size() < 2) problem = "expected an event after the frame number";
        else problem = parseEvent(w, event);
        if (!problem.empty()) {
            if (error) *error = "line " + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
        events.push_back(event);
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
    script_ = std::move(events);
    scriptNext_ = 0;
    applyScript();
    return true;
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
