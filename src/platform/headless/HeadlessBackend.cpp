// The headless backend: window, events, presentation, clock, keyboard and
// joystick without a display, driven by the input script and the virtual clock.
#include "platform/HeadlessBackend.h"

#include <cstdio>
#include <cstring>
#include <iostream>

#define STBIW_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace platform {

HeadlessBackend::HeadlessBackend() = default;

HeadlessBackend::~HeadlessBackend()
{
    if (logFile_) std::fclose(logFile_);
}

void HeadlessBackend::setLogPath(const std::string& path)
{
    if (logFile_) std::fclose(logFile_);
    logFile_ = nullptr;
    logPath_ = path;
    if (path.empty()) return;
    logFile_ = std::fopen(path.c_str(), "wb");
    if (!logFile_) std::cerr << path << ": cannot write the log\n";
}

void HeadlessBackend::log(const std::string& type, const std::string& fields)
{
    std::string line = "{\"frame\":" + std::to_string(frame_) + ",\"type\":" + jsonQuote(type);
    if (!fields.empty()) line += "," + fields;
    line += "}";
    if (logFile_) {
        // Flushed line by line so that a run that dies still leaves its log.
        std::fputs(line.c_str(), logFile_);
        std::fputc('\n', logFile_);
        std::fflush(logFile_);
    }
    logLines_.push_back(std::move(line));
}

void HeadlessBackend::requestScreenshot(int frame, const std::string& path)
{
    screenshots_[frame].push_back(path);
}

bool HeadlessBackend::saveScreenshot(const std::string& path) const
{
    if (lastFrame_.empty()) return false;
    std::vector<unsigned char> rgb(lastFrame_.size() * 3);
    for (size_t i = 0; i < lastFrame_.size(); ++i) {
        rgb[i * 3 + 0] = static_cast<unsigned char>(lastFrame_[i] >> 16);
        rgb[i * 3 + 1] = static_cast<unsigned char>(lastFrame_[i] >> 8);
        rgb[i * 3 + 2] = static_cast<unsigned char>(lastFrame_[i]);
    }
    return stbi_write_png(path.c_str(), lastWidth_, lastHeight_, 3, rgb.data(), lastWidth_ * 3) != 0;
}

void HeadlessBackend::applyScript()
{
    while (scriptNext_ < script_.size() && script_[scriptNext_].frame <= frame_)
        applyEvent(script_[scriptNext_++]);
}

void HeadlessBackend::applyEvent(const ScriptEvent& event)
{
    switch (event.type) {
    case ScriptEvent::Type::Key: setKey(static_cast<Key>(event.index), event.value != 0); break;
    case ScriptEvent::Type::JoyAttach: attachJoystick(event.value != 0); break;
    case ScriptEvent::Type::JoyAxis: setJoystickAxis(event.index, event.value); break;
    case ScriptEvent::Type::JoyButton: setJoystickButton(event.index, event.value != 0); break;
    case ScriptEvent::Type::Focus: setFocus(event.value != 0); break;
    case ScriptEvent::Type::Close: postEvent({EventType::Quit}); break;
    case ScriptEvent::Type::Press: postEvent({EventType::KeyDown, static_cast<Key>(event.index)}); break;
    case ScriptEvent::Type::JoyLost:
        // The device stays open, as an unplugged pad does until the system notices.
        joystickAttached_ = false;
        joystickAcquired_ = false;
        break;
    }
}

void HeadlessBackend::setKey(Key key, bool down)
{
    if (key >= Key::Count) return;
    keys_[static_cast<size_t>(key)] = down;
    if (down) postEvent({EventType::KeyDown, key});
}

void HeadlessBackend::setFocus(bool active)
{
    windowActive_ = active;
    // A foreground-only device is taken away from a window that loses focus.
    if (!active) joystickAcquired_ = false;
    postEvent({active ? EventType::Activate : EventType::Deactivate});
}

void HeadlessBackend::attachJoystick(bool attached)
{
    const bool wasLost = joystickOpen_ && !joystickAttached_;
    const bool wasOpen = joystickOpen_;
    joystickAttached_ = attached;
    if (attached && (!joystickOpen_ || wasLost)) {
        joystickOpen_ = true;
        joystickAcquired_ = windowActive_;
    } else if (!attached) {
        joystickOpen_ = false;
        joystickAcquired_ = false;
    }
    joystick_ = JoystickState{};
    if (joystickOpen_ != wasOpen) postEvent({EventType::DevicesChanged});
}

void HeadlessBackend::setJoystickAxis(int axis, int value)
{
    if (value < -100) value = -100;
    if (value > 100) value = 100;
    if (axis == 0) joystick_.x = value;
    else if (axis == 1) joystick_.y = value;
}

void HeadlessBackend::setJoystickButton(int button, bool down)
{
    if (button >= 0 && button < 8) joystick_.buttons[button] = down ? 0x80 : 0;
}

void HeadlessBackend::postEvent(const Event& event) { events_.push_back(event); }

bool HeadlessBackend::createWindow(const WindowOptions& options)
{
    log("window", "\"width\":" + std::to_string(options.width) +
                      ",\"height\":" + std::to_string(options.height) +
                      ",\"fullScreen\":" + (options.fullScreen ? "true" : "false") +
                      ",\"title\":" + jsonQuote(options.title ? options.title : ""));
    // A window that is shown becomes the active one, as on a desktop.
    setFocus(true);
    return true;
}

void HeadlessBackend::postQuitWhenDue()
{
    if (quitAfter_ >= 0 && frame_ >= quitAfter_ && !quitPosted_) {
        quitPosted_ = true;
        postEvent({EventType::Quit});
    }
}

bool HeadlessBackend::pollEvent(Event& event)
{
    applyScript();
    postQuitWhenDue();
    if (events_.empty()) return false;
    event = events_.front();
    events_.pop_front();
    return true;
}

bool HeadlessBackend::present(const uint32_t* pixels, int width, int height)
{
    if (!pixels || width <= 0 || height <= 0) return false;
    lastFrame_.assign(pixels, pixels + static_cast<size_t>(width) * height);
    lastWidth_ = width;
    lastHeight_ = height;
    if (auto shots = screenshots_.find(frame_); shots != screenshots_.end()) {
        for (const std::string& path : shots->second) {
            if (!saveScreenshot(path)) std::cerr << path << ": cannot write the screenshot\n";
            else log("screenshot", "\"file\":" + jsonQuote(path));
        }
    }
    if (frameHook_) frameHook_(frame_);
    nextFrame();
    return true;
}

void HeadlessBackend::nextFrame()
{
    ++frame_;
    postQuitWhenDue();
    applyScript();
}

void HeadlessBackend::messageBox(std::string_view text)
{
    std::cerr << "確認: " << text << '\n';
    log("message", "\"text\":" + jsonQuote(text));
}

void HeadlessBackend::textDrawn(std::string_view text, int x, int y, uint32_t argb)
{
    char colour[9];
    std::snprintf(colour, sizeof colour, "%08x", static_cast<unsigned>(argb));
    log("text", "\"x\":" + std::to_string(x) + ",\"y\":" + std::to_string(y) + ",\"argb\":\"" + colour +
                    "\",\"text\":" + jsonQuote(text));
}

void HeadlessBackend::waitUntil(uint32_t ms)
{
    // Compared as a signed difference so the wait is right across the 2^32 wrap.
    if (static_cast<int32_t>(ms - clock_) > 0) clock_ = ms;
}

bool HeadlessBackend::keyDown(Key key)
{
    applyScript();
    return key < Key::Count && keys_[static_cast<size_t>(key)];
}

bool HeadlessBackend::openJoystick()
{
    applyScript();
    if (!joystickAttached_) return false;
    joystickOpen_ = true;
    return true;
}

void HeadlessBackend::closeJoystick()
{
    joystickOpen_ = false;
    joystickAcquired_ = false;
}

bool HeadlessBackend::acquireJoystick()
{
    if (!joystickOpen_ || !joystickAttached_ || !windowActive_) return false;
    joystickAcquired_ = true;
    return true;
}

void HeadlessBackend::unacquireJoystick() { joystickAcquired_ = false; }

bool HeadlessBackend::readJoystick(JoystickState& state)
{
    applyScript();
    if (!joystickOpen_ || !joystickAcquired_) return false;
    state = joystick_;
    return true;
}

}  // namespace platform
