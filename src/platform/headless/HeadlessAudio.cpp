// Headless audio: files are checked as the real backend would load them, and
// every load, play and stop goes to the log instead of a device.
#include <cstring>
#include <fstream>
#include <iostream>

#include "platform/HeadlessBackend.h"

namespace platform {

bool checkAudioFile(const std::string& path, bool music, std::string* error)
{
    const auto fail = [&](const std::string& problem) {
        if (error) *error = path + ": " + problem;
        return false;
    };
    std::ifstream file(path, std::ios::binary);
    if (!file) return fail("cannot open the file");
    char header[12] = {};
    file.read(header, sizeof header);
    const std::streamsize got = file.gcount();
    const bool riff = got >= 12 && std::memcmp(header, "RIFF", 4) == 0;
    if (music) {
        if (got >= 4 && std::memcmp(header, "MThd", 4) == 0) return true;
        if (riff && std::memcmp(header + 8, "RMID", 4) == 0) return true;
        return fail("not a MIDI file");
    }
    if (riff && std::memcmp(header + 8, "WAVE", 4) == 0) return true;
    return fail("not a RIFF WAVE file");
}

void HeadlessBackend::openAudio()
{
    if (audioOpen_) return;
    audioOpen_ = true;
    if (!audioDeviceAvailable_ && !silentReported_) {
        silentReported_ = true;
        log("audio", "\"device\":false");
    } else if (audioDeviceAvailable_) {
        log("audio", "\"device\":true");
    }
}

void HeadlessBackend::closeAudio()
{
    freeAudio();
    audioOpen_ = false;
}

// A failed load still takes its slot, so a handle is the load's place in
// order: the game loads its sounds and pieces by number, and the log's "n" is
// then the game's own number whichever files were missing.
AudioHandle HeadlessBackend::loadInto(std::vector<std::string>& names, const std::string& path, bool music,
                                      std::string* error)
{
    std::string problem;
    const bool ok = checkAudioFile(path, music, &problem);
    names.push_back(ok ? path : std::string());
    if (!ok) {
        log("audio_error", "\"file\":" + jsonQuote(path) + ",\"error\":" + jsonQuote(problem));
        if (error) *error = problem;
        return -1;
    }
    return static_cast<AudioHandle>(names.size() - 1);
}

AudioHandle HeadlessBackend::loadSound(const std::string& path, std::string* error)
{
    return loadInto(soundNames_, path, false, error);
}

AudioHandle HeadlessBackend::loadMusic(const std::string& path, std::string* error)
{
    return loadInto(musicNames_, path, true, error);
}

void HeadlessBackend::playSound(AudioHandle sound)
{
    if (sound < 0 || static_cast<size_t>(sound) >= soundNames_.size() || soundNames_[sound].empty()) return;
    log("sound", "\"n\":" + std::to_string(sound) + ",\"file\":" + jsonQuote(soundNames_[sound]));
}

void HeadlessBackend::playMusic(AudioHandle music)
{
    if (music < 0 || static_cast<size_t>(music) >= musicNames_.size() || musicNames_[music].empty()) return;
    log("music", "\"n\":" + std::to_string(music) + ",\"file\":" + jsonQuote(musicNames_[music]));
}

void HeadlessBackend::stopAllSound() { log("stop", ""); }

void HeadlessBackend::freeAudio()
{
    soundNames_.clear();
    musicNames_.clear();
}

}  // namespace platform
