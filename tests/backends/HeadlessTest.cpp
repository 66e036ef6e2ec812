// The headless backend: its input script, virtual clock, screenshots and log.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "platform/HeadlessBackend.h"
#include "platform/InputScript.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

using namespace platform;

namespace {

std::filesystem::path scratchDir()
{
    auto dir = std::filesystem::temp_directory_path() /
               ("lnf_backends_test_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<Event> drainEvents(HeadlessBackend& backend)
{
    std::vector<Event> events;
    for (Event e; backend.pollEvent(e);) events.push_back(e);
    return events;
}

}  // namespace

TEST(HeadlessScript, RefusesBadLinesNamingTheLine)
{
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"0 key q down", "line 1: unknown key \"q\""},
        {"# fine\n3 key z sideways", "line 2: expected down or up, got \"sideways\""},
        {"x key z down", "line 1: expected a frame number, got \"x\""},
        {"-1 key z down", "line 1: expected a frame number, got \"-1\""},
        {"5", "line 1: expected an event after the frame number"},
        {"1 joy axis x 101", "line 1: axis value must be -100..100"},
        {"1 joy axis z 5", "line 1: expected axis x or y, got \"z\""},
        {"1 joy button 8 down", "line 1: button must be 0..7"},
        {"1 joy wiggle", "line 1: unknown joy event \"wiggle\""},
        {"1 focus maybe", "line 1: expected lost or gained, got \"maybe\""},
        {"1 close now", "line 1: expected 2 words"},
        {"1 key z down extra", "line 1: expected 4 words"},
        {"1 jump", "line 1: unknown event \"jump\""},
        {"1 press q", "line 1: unknown key \"q\""},
        {"1 joy lost now", "line 1: expected 3 words"},
    };
    for (const Case& c : cases) {
        HeadlessBackend backend;
        std::string error;
        EXPECT_FALSE(backend.parseInputScript(c.text, &error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

TEST(HeadlessScript, EventsTakeEffectBeforeTheirFrameIsPresented)
{
    HeadlessBackend backend;
    backend.createWindow({});
    ASSERT_TRUE(backend.parseInputScript(
        "  # comment line\n"
        "2 key z up\n"
        "0 key z down   # trailing comment\n"
        "1 joy attach\n"
        "1 joy axis x -100\n"
        "1 joy axis y 37\n"
        "1 joy button 7 down\n"
        "2 close\n",
        nullptr));
    const uint32_t frame[4] = {};
    std::vector<Event> events = drainEvents(backend);
    ASSERT_EQ(events.size(), 2u);  // frame 0: the window's activation, then Z
    EXPECT_EQ(events[0].type, EventType::Activate);
    EXPECT_EQ(events[1].type, EventType::KeyDown);
    EXPECT_EQ(events[1].key, Key::Z);
    EXPECT_TRUE(backend.keyDown(Key::Z));
    EXPECT_FALSE(backend.joystickOpen());

    backend.present(frame, 2, 2);
    events = drainEvents(backend);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, EventType::DevicesChanged);
    EXPECT_TRUE(backend.joystickOpen());
    JoystickState state;
    ASSERT_TRUE(backend.readJoystick(state));
    EXPECT_EQ(state.x, -100);
    EXPECT_EQ(state.y, 37);
    EXPECT_EQ(state.buttons[7], 0x80);
    EXPECT_EQ(state.buttons[0], 0);

    backend.present(frame, 2, 2);
    EXPECT_FALSE(backend.keyDown(Key::Z));
    events = drainEvents(backend);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, EventType::Quit);
}

TEST(HeadlessScript, LoadsFromFileAndReportsMissingFile)
{
    const auto path = scratchDir() / "script.txt";
    writeFile(path, "\xEF\xBB\xBF" "0 key escape down\r\n1 focus lost\r\n");  // BOM, CRLF
    HeadlessBackend backend;
    std::string error;
    ASSERT_TRUE(backend.loadInputScript(path.string(), &error)) << error;
    EXPECT_TRUE(backend.keyDown(Key::Escape));

    writeFile(path, "0 key escape down\n1 focus\n");
    EXPECT_FALSE(backend.loadInputScript(path.string(), &error));
    EXPECT_EQ(error, path.string() + ": line 2: expected 3 words");

    EXPECT_FALSE(backend.loadInputScript((scratchDir() / "none.txt").string(), &error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);
}

TEST(HeadlessClock, WaitingAdvancesOnlyForwardAcrossTheWrap)
{
    struct Case {
        uint32_t start, target, expected;
    };
    const Case cases[] = {
        {0, 17, 17},
        {100, 50, 100},                     // earlier: no change
        {100, 100, 100},
        {0xFFFFFFF0u, 0x10u, 0x10u},        // across the wrap
        {0x10u, 0xFFFFFFF0u, 0x10u},        // "later" that is really earlier
    };
    for (const Case& c : cases) {
        HeadlessBackend backend;
        backend.advanceClock(c.start);
        backend.waitUntil(c.target);
        EXPECT_EQ(backend.timeGetTime(), c.expected) << c.start << " -> " << c.target;
    }
}

TEST(HeadlessJoystick, FollowsAcquisitionFocusAndPlugging)
{
    HeadlessBackend backend;
    backend.createWindow({});
    JoystickState state;
    EXPECT_FALSE(backend.openJoystick());  // nothing attached
    EXPECT_FALSE(backend.readJoystick(state));

    backend.attachJoystick(true);          // plugged in while running: picked up
    EXPECT_TRUE(backend.joystickOpen());
    EXPECT_TRUE(backend.readJoystick(state));

    backend.unacquireJoystick();
    state.x = 55;
    EXPECT_FALSE(backend.readJoystick(state));
    EXPECT_EQ(state.x, 55);                // untouched on failure
    EXPECT_TRUE(backend.acquireJoystick());

    ASSERT_TRUE(backend.parseInputScript("0 focus lost", nullptr));
    EXPECT_FALSE(backend.readJoystick(state));
    EXPECT_FALSE(backend.acquireJoystick());  // no foreground, no device
    ASSERT_TRUE(backend.parseInputScript("0 focus gained", nullptr));
    EXPECT_TRUE(backend.acquireJoystick());
    EXPECT_TRUE(backend.readJoystick(state));

    // A pad that stops answering stays open until it is detached, or answers again once attached.
    ASSERT_TRUE(backend.parseInputScript("0 joy lost", nullptr));
    EXPECT_TRUE(backend.joystickOpen());
    EXPECT_FALSE(backend.readJoystick(state));
    EXPECT_FALSE(backend.acquireJoystick());
    backend.attachJoystick(true);
    EXPECT_TRUE(backend.readJoystick(state));

    backend.attachJoystick(false);
    EXPECT_FALSE(backend.joystickOpen());
    EXPECT_FALSE(backend.readJoystick(state));
    EXPECT_FALSE(backend.acquireJoystick());
}

TEST(HeadlessScript, EveryEventIsWrittenAsTheLineThatReadsBackToIt)
{
    const char* const lines[] = {"7 key tab down", "0 key up up",  "12 press escape",     "3 joy attach",
                                 "3 joy detach",   "4 joy lost",   "5 joy axis x -100",   "5 joy axis y 37",
                                 "6 joy button 7 down", "6 joy button 0 up", "8 focus lost", "9 focus gained",
                                 "1073741824 close"};
    for (const char* line : lines) {
        std::vector<ScriptEvent> events;
        std::string problem;
        ASSERT_TRUE(parseScriptLine(line, events, problem)) << line << ": " << problem;
        ASSERT_EQ(events.size(), 1u) << line;
        EXPECT_EQ(formatScriptEvent(events[0]), line);
    }
}

TEST(HeadlessScript, APressIsAKeyDownEventWithoutTheKey)
{
    HeadlessBackend backend;
    ASSERT_TRUE(backend.parseInputScript("0 press escape\n0 press escape", nullptr));
    const std::vector<Event> events = drainEvents(backend);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[1].type, EventType::KeyDown);
    EXPECT_EQ(events[1].key, Key::Escape);
    EXPECT_FALSE(backend.keyDown(Key::Escape));
}

TEST(HeadlessFrames, ScreenshotIsAPngOfThePresentedFrame)
{
    HeadlessBackend backend;
    const auto path = (scratchDir() / "shot.png").string();
    std::remove(path.c_str());
    backend.requestScreenshot(1, path);
    std::vector<uint32_t> pixels(640 * 480, 0xFF000000u);
    backend.present(pixels.data(), 640, 480);
    EXPECT_FALSE(std::filesystem::exists(path));

    pixels[0] = 0x00123456u;                // X8: the top byte is ignored
    pixels[640 * 479 + 639] = 0xFFFF8000u;
    backend.present(pixels.data(), 640, 480);
    int width = 0, height = 0, channels = 0;
    unsigned char* image = stbi_load(path.c_str(), &width, &height, &channels, 3);
    ASSERT_NE(image, nullptr) << "not a readable PNG";
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
    const unsigned char* last = image + (640 * 479 + 639) * 3;
    EXPECT_EQ((std::vector<int>{image[0], image[1], image[2], last[0], last[1], last[2]}),
              (std::vector<int>{0x12, 0x34, 0x56, 0xFF, 0x80, 0x00}));
    stbi_image_free(image);
}

TEST(HeadlessFrames, HookSeesEachFrameAndQuitComesOnce)
{
    HeadlessBackend backend;
    std::vector<int> seen;
    backend.setFrameHook([&](int frame) {
        seen.push_back(frame);
        backend.log("hook", "");
    });
    backend.quitAfterFrames(2);
    const uint32_t pixel = 0;
    int quits = 0;
    for (int i = 0; i < 4; ++i) {
        backend.present(&pixel, 1, 1);
        for (const Event& e : drainEvents(backend)) quits += e.type == EventType::Quit;
        if (i == 0) {
            EXPECT_EQ(quits, 0);
        }
    }
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(backend.framesPresented(), 4);
    EXPECT_FALSE(backend.present(nullptr, 640, 480));
    // What the hook logs carries the number of the frame it was called for.
    ASSERT_EQ(backend.logLines().size(), 4u);
    EXPECT_EQ(backend.logLines()[0], "{\"frame\":0,\"type\":\"hook\"}");
    EXPECT_EQ(backend.logLines()[3], "{\"frame\":3,\"type\":\"hook\"}");
}

TEST(HeadlessFrames, QuitAfterNoFramesComesBeforeTheFirst)
{
    HeadlessBackend backend;
    backend.quitAfterFrames(0);
    backend.createWindow({});
    std::vector<Event> events = drainEvents(backend);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().type, EventType::Quit);
    EXPECT_EQ(backend.framesPresented(), 0);
}

TEST(HeadlessLog, QuotesTextAsValidJson)
{
    struct Case {
        std::string text, json;
    };
    const Case cases[] = {
        {"plain", "\"plain\""},
        {"say \"hi\" \\ bye", "\"say \\\"hi\\\" \\\\ bye\""},
        {"a\nb\tc\r\x01\x1f", "\"a\\nb\\tc\\r\\u0001\\u001f\""},
        {"確認", "\"確認\""},
        {"\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},       // four-byte sequence kept
        {"\x82\xA0", "\"\\ufffd\\ufffd\""},                   // CP932 bytes, not UTF-8
        {"\xE3\x81", "\"\\ufffd\\ufffd\""},                   // truncated sequence
        {"\xC0\xAF", "\"\\ufffd\\ufffd\""},                   // overlong slash
        {"\xED\xA0\x80", "\"\\ufffd\\ufffd\\ufffd\""},        // surrogate
        {std::string("nul\0in", 6), "\"nul\\u0000in\""},
    };
    for (const Case& c : cases) EXPECT_EQ(jsonQuote(c.text), c.json) << c.text;
}

TEST(HeadlessLog, WritesLinesToMemoryAndFile)
{
    const auto path = (scratchDir() / "log.jsonl").string();
    {
        HeadlessBackend backend;
        backend.setLogPath(path);
        backend.messageBox("マップ初期化失敗\n\"x\"");
        const uint32_t pixel = 0;
        backend.present(&pixel, 1, 1);
        backend.log("scene", "\"scene\":1");
        backend.log("tick", "");
        const std::vector<std::string> expected = {
            "{\"frame\":0,\"type\":\"message\",\"text\":\"マップ初期化失敗\\n\\\"x\\\"\"}",
            "{\"frame\":1,\"type\":\"scene\",\"scene\":1}",
            "{\"frame\":1,\"type\":\"tick\"}",
        };
        EXPECT_EQ(backend.logLines(), expected);
    }
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    EXPECT_EQ(lines.size(), 3u);
}

TEST(HeadlessAudio, LoadsOnlyRealAudioFilesAndLogsPlaying)
{
    const auto dir = scratchDir();
    writeFile(dir / "a.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    writeFile(dir / "b.wav", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    writeFile(dir / "fake.wav", "MThd but not a wave");
    writeFile(dir / "short.wav", "RIF");
    writeFile(dir / "m.mid", std::string("MThd\0\0\0\x06", 8));
    writeFile(dir / "fake.mid", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));

    HeadlessBackend backend;
    backend.openAudio();
    std::string error;
    const struct {
        std::string name;
        bool music;
        const char* error;
    } bad[] = {
        {"missing.wav", false, "cannot open the file"},
        {"fake.wav", false, "not a RIFF WAVE file"},
        {"short.wav", false, "not a RIFF WAVE file"},
        {"fake.mid", true, "not a MIDI file"},
        {"a.wav", true, "not a MIDI file"},
    };
    for (const auto& b : bad) {
        const std::string path = (dir / b.name).string();
        const AudioHandle h = b.music ? backend.loadMusic(path, &error) : backend.loadSound(path, &error);
        EXPECT_LT(h, 0) << b.name;
        EXPECT_EQ(error, path + ": " + b.error);
    }
    const AudioHandle a = backend.loadSound((dir / "a.wav").string(), &error);
    const AudioHandle b = backend.loadSound((dir / "b.wav").string(), &error);
    const AudioHandle m = backend.loadMusic((dir / "m.mid").string(), &error);
    // Failed loads keep their places: a handle is the load's place in order,
    // so the game's numbers survive a missing file.
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 4);
    EXPECT_EQ(m, 2);
    backend.playSound(a);
    backend.playSound(a);   // overlaps itself
    backend.playSound(-1);  // a sound that failed to load is skipped
    backend.playMusic(m);
    backend.stopAllSound();

    std::vector<std::string> lines = backend.logLines();
    ASSERT_EQ(lines.size(), 1u + 5u + 4u);
    EXPECT_EQ(lines[0], "{\"frame\":0,\"type\":\"audio\",\"device\":false}");
    EXPECT_NE(lines[1].find("\"type\":\"audio_error\""), std::string::npos);
    const std::string aFile = jsonQuote((dir / "a.wav").string());
    EXPECT_EQ(lines[6], "{\"frame\":0,\"type\":\"sound\",\"n\":3,\"file\":" + aFile + "}");
    EXPECT_EQ(lines[7], lines[6]);
    EXPECT_NE(lines[8].find("\"type\":\"music\""), std::string::npos);
    EXPECT_EQ(lines[9], "{\"frame\":0,\"type\":\"stop\"}");

    backend.playSound(0);   // the slot of a failed load plays nothing
    backend.playMusic(1);
    EXPECT_EQ(backend.logLines().size(), lines.size());

    backend.freeAudio();
    backend.playSound(a);
    EXPECT_EQ(backend.logLines().size(), lines.size());
}
