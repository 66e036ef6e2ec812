// Playback in the window: the replay is the game's only input, Tab runs the
// game's clock four times as fast, and Escape ends the playback.
#include <gtest/gtest.h>

#include <vector>

#include "platform/PlaybackBackend.h"

namespace {

using namespace platform;

std::vector<Event> drain(Backend& backend)
{
    std::vector<Event> events;
    for (Event e; backend.pollEvent(e);) events.push_back(e);
    return events;
}

TEST(PlaybackBackend, TheReplayIsTheOnlyInputTabSpeedsTheClockEscapeEnds)
{
    HeadlessBackend live;
    PlaybackBackend playback(live, {{0, ScriptEvent::Type::Key, static_cast<int>(Key::Z), 1},
                                    {0, ScriptEvent::Type::Press, static_cast<int>(Key::Escape), 0}},
                             100);
    ASSERT_TRUE(playback.createWindow({}));
    live.setKey(Key::Up, true);
    std::vector<Event> events = drain(playback);
    ASSERT_EQ(events.size(), 3u) << "the window's activation, then Z's key-down and the press";
    EXPECT_EQ(events[2].key, Key::Escape);
    EXPECT_TRUE(playback.keyDown(Key::Z));
    EXPECT_FALSE(playback.keyDown(Key::Up)) << "live keys do not reach the game";
    EXPECT_FALSE(playback.stoppedByViewer());

    const struct {
        bool tab;
        uint32_t liveAdvance, waitFor;
        uint32_t gameTime, liveTime;
    } steps[] = {
        {false, 100, 0, 100, 100},
        {true, 10, 0, 140, 110},     // Tab held: four game milliseconds to one
        {true, 0, 181, 184, 121},    // a quarter as long a wait, rounded up to reach the moment
        {false, 10, 0, 194, 131},
        {false, 0, 200, 200, 137},
    };
    for (const auto& s : steps) {
        live.setKey(Key::Tab, s.tab);
        drain(playback);
        live.advanceClock(s.liveAdvance);
        if (s.waitFor) playback.waitUntil(s.waitFor);
        EXPECT_EQ(playback.timeGetTime(), s.gameTime);
        EXPECT_EQ(live.timeGetTime(), s.liveTime);
    }

    live.setKey(Key::Escape, true);
    events = drain(playback);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].type, EventType::Quit);
    EXPECT_TRUE(playback.stoppedByViewer());
}

}  // namespace
