// The headless backend: no display and no audio device. Input comes from a
// script of events by frame, the clock is virtual (waiting advances it at
// once), presented frames are kept for PNG screenshots, and messages, sounds,
// music, drawn text and scene changes go to a log of JSON lines.
// Everything logged while frame F is being made carries F; the frame hook of F
// still logs at F.
#pragma once

#include <array>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Backend.h"

namespace platform {

// The text as a JSON string literal, quotes included. Bytes that are not valid
// UTF-8 become U+FFFD so that every log line stays valid JSON.
std::string jsonQuote(std::string_view text);

// Checks that a file opens and starts like the audio it should hold: a RIFF
// WAVE file for a sound, a standard MIDI file (or RIFF RMID) for music.
bool checkAudioFile(const std::string& path, bool music, std::string* error);

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
    //   FRAME press NAME              a key-down event alone, the key's state unchanged
    //   FRAME joy lost                the pad stops answering: reads and acquisition fail
    // Events of frame F take effect before the F-th presented frame (0-based) is made.
    // Lines may come in any order; events of one frame apply in the order written.
    // A key going down also queues a KeyDown event; focus changes queue
    // Activate and Deactivate; a joystick attached while none is open is
    // opened (and acquired while the window has focus), as a real pad would be;
    // attaching a pad that was lost makes it answer again. A pad opened or
    // closed by plugging queues DevicesChanged.
    // A script with an error is refused whole; error names the line.
    // The events of frame 0 apply at once.
    bool loadInputScript(const std::string& path, std::string* error);
    bool parseInputScript(const std::string& text, std::string* error);

    // Log of JSON lines; empty path keeps the log in memory only.
    void setLogPath(const std::string& path);
    // Appends {"frame":F,"type":TYPE,...fields} where fields is a JSON object body
    // such as "\"n\":3" (may be empty).
    void log(const std::string& type, const std::string& fields);
    const std::vector<std::string>& logLines() const { return logLines_; }

    void requestScreenshot(int frame, const std::string& path);
    // Called after each present with the number of the frame just presented,
    // before the count moves on to the next frame.
    void setFrameHook(std::function<void(int frame)> hook) { frameHook_ = std::move(hook); }
    // Posts a Quit event once this many frames have been presented (0: before
    // the first frame is made).
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
    void textDrawn(std::string_view text, int x, int y, uint32_t argb) override;

    struct ScriptEvent {
        enum class Type { Key, JoyAttach, JoyAxis, JoyButton, Focus, Close, Press, JoyLost };
        int frame = 0;
        Type type = Type::Close;
        int index = 0;    // key, axis (0 x, 1 y) or button
        int value = 0;    // down/attached/gained as 1 or 0, or an axis value
    };

    // Installs parsed events in place of the script; each applies, in order,
    // at the first input call once its frame has come (frame 0's too).
    void setInputScript(std::vector<ScriptEvent> events);
    // Applies one event now, whatever its frame.
    void applyEvent(const ScriptEvent& event);
    // Moves on to the next frame as a present does, for frames shown elsewhere.
    void nextFrame();

    // The scripted pad as it stands, for code that keeps it in step with another device.
    bool joystickAttached() const { return joystickAttached_; }
    bool joystickAcquired() const { return joystickAcquired_; }
    const JoystickState& joystickState() const { return joystick_; }

private:
    void applyScript();
    void setFocus(bool active);
    void postQuitWhenDue();
    AudioHandle loadInto(std::vector<std::string>& names, const std::string& path, bool music,
                         std::string* error);

    uint32_t clock_ = 0;
    int frame_ = 0;
    int quitAfter_ = -1;
    std::vector<uint32_t> lastFrame_;
    int lastWidth_ = 0;
    int lastHeight_ = 0;
    bool windowActive_ = true;
    bool quitPosted_ = false;
    std::map<int, std::vector<std::string>> screenshots_;
    std::function<void(int)> frameHook_;
    std::vector<ScriptEvent> script_;
    size_t scriptNext_ = 0;
    std::deque<Event> events_;
    std::array<bool, static_cast<size_t>(Key::Count)> keys_{};
    bool joystickAttached_ = false;
    bool joystickOpen_ = false;
    bool joystickAcquired_ = false;
    JoystickState joystick_;
    bool audioDeviceAvailable_ = false;
    bool audioOpen_ = false;
    bool silentReported_ = false;
    // One slot per load since the audio was freed, failed loads included
    // (as an empty name), so that a handle is the load's place in order.
    std::vector<std::string> soundNames_;
    std::vector<std::string> musicNames_;
    std::string logPath_;
    std::FILE* logFile_ = nullptr;
    std::vector<std::string> logLines_;
};

}  // namespace platform
