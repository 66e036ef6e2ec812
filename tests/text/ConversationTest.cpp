// Story conversations: one cell a frame, line and page ends, the page turn
// on a fresh press, speakers, portraits, the windows on screen, and the end
// of a conversation and of the game.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/FrameClock.h"
#include "app/PlayFlags.h"
#include "app/SceneHandlers.h"
#include "data/ButtonConfig.h"
#include "data/StoryText.h"
#include "graphics/Direct3D.h"
#include "graphics/Sprites.h"
#include "graphics/TextureSets.h"
#include "objects/ObjectList.h"
#include "platform/Font.h"
#include "stage/StageScript.h"
#include "support/HeadlessFixture.h"
#include "text/Conversation.h"
#include "support/TexelSheet.h"

namespace {

// Keeps the cells the typewriter draws instead of drawing them.
class RecordingFont : public platform::Font {
public:
    struct Cell {
        std::string text;
        int x, y;
        int side;  // text texture drawn into, -1 for anything else
        bool operator==(const Cell&) const = default;
    };
    void drawCell(platform::Device& device, const char cell[2], int x, int y, uint32_t argb) override
    {
        if (argb != 0xFFFFFFFF)
            return;  // the shadow, one pixel lower right, is drawn first
        const platform::Texture* target = device.renderTarget();
        const int side = target == g_textTextures[0] ? 0 : target == g_textTextures[1] ? 1 : -1;
        cells.push_back({std::string(cell, 2), x, y, side});
    }
    std::vector<Cell> cells;
};

std::ostream& operator<<(std::ostream& out, const RecordingFont::Cell& c)
{
    return out << '"' << c.text << "\" at " << c.x << ", " << c.y << " on " << c.side;
}

class Conversation : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        g_device = &device;
        fillTrigTables();
        setDefaultActionButtons();
        for (platform::Texture*& texture : g_textTextures)
            texture = new platform::Texture(512, 512, true);
        g_textFont = &font;
        resetConversationState();
        g_storyMode = true;
        startConversation();
    }
    void TearDown() override
    {
        g_textFont = nullptr;
        for (platform::Texture*& texture : g_textTextures) {
            delete texture;
            texture = nullptr;
        }
        resetConversationState();
        emptyList(&g_effectFrontList);
        g_storyMode = g_messageMode = g_playerFrozen = g_worldFrozen = g_scriptWaitFlag = false;
        g_endingStarted = g_endingFinished = false;
        g_texFontWindow = nullptr;
        g_texFontWindowCount = 0;
        g_device = nullptr;
        HeadlessTest::TearDown();
    }

    // The story file's blocks, stored as the game ships them.
    static void loadStory(const std::vector<std::string>& blocks)
    {
        std::string stored;
        for (const std::string& block : blocks)
            for (char c : block + "\n@\n")
                stored += c == '\n' ? c : static_cast<char>(c + 1);
        decodeStoryText(reinterpret_cast<const uint8_t*>(stored.data()), stored.size(), g_storyText, nullptr);
    }
    // Frames of the conversation, with "Z" down on the frames listed.
    void run(int frames, const std::vector<int>& zDown = {})
    {
        for (int f = 0; f < frames; ++f) {
            backend.setKey(platform::Key::Z, std::find(zDown.begin(), zDown.end(), frame_) != zDown.end());
            conversationStep();
            ++frame_;
        }
        backend.setKey(platform::Key::Z, false);
    }
    // Past the two empty pages that open every conversation.
    void openText() { run(5, {2, 4}); }
    std::vector<RecordingFont::Cell> textCells() const
    {
        std::vector<RecordingFont::Cell> text;
        for (const auto& c : font.cells)
            if (c.text != "  ")
                text.push_back(c);
        return text;
    }

    platform::Device device;
    RecordingFont font;
    int frame_ = 0;
};

using Cell = RecordingFont::Cell;

TEST_F(Conversation, TypesACellAFrameAndTurnsOnePageAPress)
{
    loadStory({"AABBCC\nDDEE\nFFGG\nHHII\n$\nJJ"});
    run(2);
    EXPECT_TRUE(g_windowShown[0]);
    EXPECT_FALSE(g_windowShown[1]);
    EXPECT_TRUE(g_messageWaiting) << "speaker 0's empty page waits";
    EXPECT_EQ(font.cells.size(), 1u);

    run(1, {2});
    EXPECT_TRUE(g_windowShown[1]);
    run(12, {4});  // frames 4-15: the first page's three lines, then the wait
    EXPECT_EQ(textCells().size(), 7u) << "one cell a frame, then the page waits";
    EXPECT_TRUE(g_messageWaiting);
    run(10, {16, 17, 18, 19, 20, 21, 22, 23, 24, 25});  // one long press
    run(3, {27});

    const std::vector<Cell> expected = {
        {"AA", 32, 32, 0}, {"BB", 51, 32, 0}, {"CC", 70, 32, 0}, {"DD", 32, 64, 0}, {"EE", 51, 64, 0},
        {"FF", 32, 96, 0}, {"GG", 51, 96, 0},
        {"HH", 32, 32, 0}, {"II", 51, 32, 0},  // a new page for the same speaker
        {"JJ", 32, 32, 1},                     // "$" handed over to the other speaker
    };
    EXPECT_EQ(textCells(), expected);
    EXPECT_FALSE(g_messageMode) << "the block's end closes the conversation";
    EXPECT_EQ(g_messageBlock, 1);
    EXPECT_FALSE(g_windowShown[0] || g_windowShown[1]);
    EXPECT_FALSE(g_playerFrozen || g_worldFrozen || g_scriptWaitFlag);
}

TEST_F(Conversation, LongLinesWrapAndTheSamePageKeepsItsSpeaker)
{
    std::string line;
    for (int i = 0; i < 30; ++i)
        line += {static_cast<char>('A' + i / 10), static_cast<char>('0' + i % 10)};
    loadStory({line + "\nKK\n#\nLL"});
    openText();
    run(35, {36});
    const std::vector<Cell> cells = textCells();
    ASSERT_EQ(cells.size(), 32u);
    EXPECT_EQ(cells[22], (Cell{"C2", 32 + 22 * 19, 32, 0}));
    EXPECT_EQ(cells[23], (Cell{"C3", 32, 64, 0})) << "the 24th cell starts the next line";
    EXPECT_EQ(cells[29], (Cell{"C9", 32 + 6 * 19, 64, 0}));
    EXPECT_EQ(cells[30], (Cell{"KK", 32, 96, 0}));
    EXPECT_EQ(cells[31], (Cell{"LL", 32, 32, 0})) << "\"#\" ends the page without a handover";
}

// A portrait sheet whose texel (u, v) is coloured (u, v, 1), and a window
// texture of one colour: each screen pixel tells what it shows.
TEST_F(Conversation, PortraitCodesAndTheWindowsOnScreen)
{
    auto sheet0 = std::make_unique<platform::Texture>(256, 256, false);
    auto sheet1 = texelCodedSheet(1);
    platform::Texture* sheets[2] = {sheet0.get(), sheet1.get()};
    g_texFontWindow = sheets;
    g_texFontWindowCount = 2;
    std::fill(g_textTextures[1]->pixels(), g_textTextures[1]->pixels() + 512 * 512, 0xFF00FF00u);

    loadStory({"AA\n$\n!cKK!zMM\n#\nNN"});
    auto drawn = [&](int x, int y) {
        beginSceneFrame();
        setSpriteStates();
        drawConversation();
        return device.backBuffer()[y * 640 + x] & 0xFFFFFF;
    };
    run(1);
    EXPECT_EQ(drawn(256, 380), 0u) << "speaker 1's window is not open yet";

    run(9, {2, 4, 6});
    EXPECT_EQ(g_portrait[1], 2);
    EXPECT_EQ(g_portrait[0], 0);
    const uint32_t texel = drawn(512 + 64, 316 + 64);
    EXPECT_EQ(texel >> 16, 160u) << "cell 2 starts at u 0.5";
    EXPECT_EQ((texel >> 8) & 0xFF, 32u);
    EXPECT_EQ(drawn(256, 380), 0x00FF00u);
    std::vector<std::string> typed;
    for (const Cell& c : textCells())
        typed.push_back(c.text);
    EXPECT_EQ(typed, (std::vector<std::string>{"AA", "KK", "MM"})) << "the codes themselves are not typed";
    EXPECT_EQ(g_portrait[1], 2) << "a letter past the sheet's 16 cells changes nothing";
}

TEST_F(Conversation, TheEndingConversationReturnsToTheTitle)
{
    g_storyMode = false;
    resetConversationState();
    g_messageMode = false;
    startConversation();
    EXPECT_FALSE(g_messageMode) << "only a story game opens conversations";
    g_storyMode = true;
    startConversation();
    ASSERT_TRUE(g_messageMode && g_playerFrozen && g_worldFrozen && g_scriptWaitFlag);

    loadStory({"AA", "BB"});
    g_messageBlock = 1;
    g_endingStarted = true;
    g_stageClearing = true;
    openText();
    EXPECT_EQ(countLog("\"type\":\"stop\""), 1);
    EXPECT_TRUE(g_endingFinished);
    EXPECT_FALSE(g_stageClearing);

    g_scene = kSceneStage;
    stageFrame();
    EXPECT_EQ(g_scene, kSceneTitle);
}

TEST_F(Conversation, DamagedStoryOrAMissingWindowStillLetsTheConversationEnd)
{
    loadStory({"AA"});
    g_messageBlock = kStoryBlockCount;  // past the last block
    run(1);
    EXPECT_FALSE(g_messageMode);
    EXPECT_TRUE(font.cells.empty());

    delete g_textTextures[0];
    g_textTextures[0] = nullptr;
    g_messageBlock = 0;
    startConversation();
    openText();
    EXPECT_FALSE(g_messageMode) << "speaker 0's text is typed without a window to show it";
    EXPECT_EQ(font.cells.size(), 1u) << "only speaker 1's empty page was drawn";
}

}  // namespace
