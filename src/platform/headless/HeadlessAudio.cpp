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

AudioHandle HeadlessBackend::loadSound(const std::string& path, std::string* error)
{
    std::string problem;
    if (!checkAudioFile(path, false, &problem)) {
        log("audio_error", "\"file\":" + jsonQuote(path) + ",\"error\":" + jsonQuote(problem));
        if (error) *error = problem;
        return -1;
    }
    soundNames_.push_back(path);
    return static_cast<AudioHandle>(soundNames_.size() - 1);
}

AudioHandle HeadlessBackend::loadMusic(const std::string& path, std::string* error)
{
    std::string problem;
    if (!checkAudioFile(path, true, &problem)) {
        log("audio_error", "\"file\":" + jsonQuote(path) + ",\"error\":" + jsonQuote(problem));
        if (error) *error = problem;
        return -1;
    }
    musicNames_.push_back(path);
    return static_cast<AudioHandle>(musicNames_.size() - 1);
}

void HeadlessBackend::playSound(AudioHandle sound)
{
    if (sound < 0 || static_cast<size_t>(sound) >= soundNames_.size()) return;
    log("sound", "\"n\":" + std::to_string(sound) + ",\"file\":" + jsonQuote(soundNames_[sound]));
}

void HeadlessBackend::playMusic(AudioHandle music)
{
    if (music < 0 || static_cast<size_t>(music) >= musicNames_.size()) return;
    log("music", "\"n\":" + std::to_string(music) + ",\"file\":" + jsonQuote(musicNames_[music]));
}

void HeadlessBackend::stopAllSound() { log("stop", ""); }

void HeadlessBackend::freeAudio()
{
    soundNames_.clear();
    musicNames_.clear();
}

}  // namespace platform
