// The headless backend: no display and no audio device. Input comes from a
// script of events by frame, the clock is virtual (waiting advances it at
// once), presented frames are kept for PNG screenshots, and messages, sounds,
// music and scene changes go to a log of JSON lines.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Backend.h"

namespace platform {

class HeadlessBackend : public Backend {
public:
    HeadlessBackend();
    ~HeadlessBackend() override;

    // Input script, one event a line ('#' starts a comment):
    //   FRAME key NAME down|up        NAME: up down left right z x c a space shift ctrl escape
    //   FRAME joy attach|detach
    //   FRAME joy axis x|y VALUE      VALUE -100..100
    //   FRAME joy button N down|up    N 0..7
    //   FRAME focus lost|gained
    //   FRAME close                   closes the window
    // Events of frame F take effect before the F-th presented frame (0-based) is made.
    bool loadInputScript(const std::string& path, std::string* error);
    bool parseInputScript(const std::string& text, std::string* error);

    // Log of JSON lines; empty path keeps the log in memory only.
    void setLogPath(const std::string& path);
    // Appends {"frame":F,"type":TYPE,...fields} where fields is a JSON object body
    // such as "\"n\":3" (may be empty).
    void log(const std::string& type, const std::string& fields);
    const std::vector<std::string>& logLines() const { return logLines_; }

    void requestScreenshot(int frame, const std::string& path);
    // Called after each present with the number of the frame just presented.
    void setFrameHook(std::function<void(int frame)> hook) { frameHook_ = std::move(hook); }
    // Posts a Quit event once this many frames have been presented.
    void quitAfterFrames(int frames) { quitAfter_ = frames; }
    int framesPresented() const { return frame_; }
    const std::vector<uint32_t>& lastFrame() const { return lastFrame_; }
    bool saveScreenshot(const std::string& path) const;

    // Direct control for tests (the script does the same by frame).
    void setKey(Key key, bool down);
    void attachJoystick(bool attached);
    void setJoystickAxis(int axis, int value);
    void setJoystickButton(int button, bool down);
    void postEvent(const Event& event);
    void setAudioDeviceAvailable(bool available) { audioDeviceAvailable_ = available; }
    void advanceClock(uint32_t ms) { clock_ += ms; }

    // Backend.
    bool createWindow(const WindowOptions& options) override;
    bool pollEvent(Event& event) override;
    bool present(const uint32_t* pixels, int width, int height) override;
    void messageBox(std::string_view text) override;
    uint32_t timeGetTime() override { return clock_; }
    void waitUntil(uint32_t ms) override;
    bool keyDown(Key key) override;
    bool openJoystick() override;
    void closeJoystick() override;
    bool joystickOpen() const override { return joystickOpen_; }
    bool acquireJoystick() override;
    void unacquireJoystick() override;
    bool readJoystick(JoystickState& state) override;
    void openAudio() override;
    void closeAudio() override;
    AudioHandle loadSound(const std::string& path, std::string* error) override;
    AudioHandle loadMusic(const std::string& path, std::string* error) override;
    void playSound(AudioHandle sound) override;
    void playMusic(AudioHandle music) override;
    void stopAllSound() override;
    void freeAudio() override;

private:
    struct ScriptEvent;
    void applyScript();

    uint32_t clock_ = 0;
    int frame_ = 0;
    int quitAfter_ = -1;
    std::vector<uint32_t> lastFrame_;
    std::map<int, std::vector<std::string>> screenshots_;
    std::function<void(int)> frameHook_;
    std::vector<ScriptEvent>* script_ = nullptr;
    size_t scriptNext_ = 0;
    std::vector<Event> events_;
    std::array<bool, static_cast<size_t>(Key::Count)> keys_{};
    bool joystickAttached_ = false;
    bool joystickOpen_ = false;
    bool joystickAcquired_ = false;
    JoystickState joystick_;
    bool audioDeviceAvailable_ = false;
    bool audioOpen_ = false;
    std::vector<std::string> audioNames_;
    std::string logPath_;
    std::vector<std::string> logLines_;
};

}  // namespace platform
