// The built stage archive read back word by word, the way the game's loader
// walks it, and the compiler's command line: same sources, same bytes; a bad
// source, nothing written.
#include "MapRules.h"
#include "MapSource.h"
#include "MapWriter.h"
#include "ScrollPath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

const std::string kStageDir = LNF_STAGE_DIR;

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Reads consecutive little-endian words and remembers whether it ran off the end.
struct WordReader {
    const std::vector<std::uint8_t>& bytes;
    std::size_t word = 0;
    bool overrun = false;

    std::int32_t next() {
        if (4 * word + 4 > bytes.size()) {
            overrun = true;
            return 0;
        }
        const std::size_t at = 4 * word++;
        return std::int32_t(std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 |
                            std::uint32_t(bytes[at + 2]) << 16 | std::uint32_t(bytes[at + 3]) << 24);
    }
};

struct LoadedStage {
    int width = 0, height = 0, startX = 0, startY = 0;
    std::vector<std::int32_t> tiles;
    std::vector<std::vector<std::int32_t>> chars;    // type, x, y, param0..param3
    std::vector<mapc::ScrollSource> scroll;          // up to and including the end record
};

std::vector<std::string> stageSources() {
    std::vector<std::string> paths;
    for (int i = 1; i <= 5; ++i) paths.push_back(kStageDir + "/stage" + std::to_string(i) + ".txt");
    return paths;
}

TEST(StageArchive, BuiltArchiveWalksLikeTheGameLoadsIt) {
    const std::vector<std::uint8_t> bytes = fileBytes(std::string(LNF_GAME_DIR) + "/lnfpac/map.pac");
    ASSERT_FALSE(bytes.empty()) << "the game folder has no lnfpac/map.pac";
    ASSERT_EQ(bytes.size() % 4, 0u);
    WordReader in{bytes};
    const int count = in.next();
    ASSERT_EQ(count, 5);
    std::vector<LoadedStage> stages(count);
    std::size_t sizeWord = 1;
    for (LoadedStage& s : stages) {
        in.word = sizeWord;
        const int size = in.next();
        ASSERT_GT(size, 0);
        s.width = in.next();
        s.height = in.next();
        ASSERT_TRUE(s.width >= 21 && s.width <= 1024 && s.height >= 15 && s.height <= 256) << s.width << " x " << s.height;
        for (int i = 0; i < s.width * s.height; ++i) s.tiles.push_back(in.next());
        ASSERT_EQ(in.next(), 49) << "marker";
        s.startX = in.next();
        s.startY = in.next();
        for (int i = 0; i < 4; ++i) EXPECT_EQ(in.next(), 0) << "unused start word";
        const int k = in.next();
        ASSERT_TRUE(k >= 0 && k < 1000) << k;
        for (int i = 0; i < k; ++i) {
            std::vector<std::int32_t> record;
            for (int f = 0; f < 7; ++f) record.push_back(in.next());
            s.chars.push_back(record);
        }
        const int m = in.next();
        ASSERT_TRUE(m >= 1 && m <= 256) << m;
        for (int i = 0; i < 4 * m; ++i) EXPECT_EQ(in.next(), 0) << "skipped scroll bytes";
        for (int i = 0; i < m; ++i) {
            mapc::ScrollSource r;
            r.direction = in.next();
            r.length = in.next();
            r.speed = in.next();
            s.scroll.push_back(r);
            if (r.direction == 8) break;
        }
        ASSERT_FALSE(in.overrun);
        EXPECT_EQ(int(s.scroll.size()), m) << "the end record closes the list";
        EXPECT_EQ(s.scroll.back().direction, 8);
        EXPECT_EQ(s.scroll.back().length, 0);
        EXPECT_GT(s.scroll.back().speed, 0);
        EXPECT_EQ(in.word, sizeWord + std::size_t(size)) << "block ends where its size word says";
        sizeWord += std::size_t(size);
        EXPECT_EQ(s.startX, 64);
        EXPECT_EQ(s.startY, 208);
        for (std::int32_t t : s.tiles) ASSERT_TRUE(t == 0 || mapc::isTerrainTile(t)) << "tile " << t;
    }
    EXPECT_EQ(sizeWord * 4, bytes.size()) << "nothing after the last stage";

    // Across the five stages: one boss each in the planned order, every kind of
    // map character, every regular enemy kind a generator can release.
    const int bossGenerator[5] = {27, 29, 30, 21, 28};
    std::set<int> types;
    for (int i = 0; i < count; ++i) {
        std::vector<int> bosses;
        for (const auto& c : stages[i].chars) {
            types.insert(c[0]);
            if (mapc::isBossGenerator(c[0])) bosses.push_back(c[0]);
        }
        EXPECT_EQ(bosses, std::vector<int>{bossGenerator[i]}) << "stage " << i + 1;

        // Two to four minutes of play: the scroll alone takes 2 to 3.5 minutes.
        const std::vector<mapc::ScrollSegment> segments = mapc::buildSegments(stages[i].scroll);
        mapc::ScrollState view;
        int frames = 0;
        for (; mapc::scrolling(view, segments); ++frames) mapc::advanceScroll(view, segments);
        EXPECT_TRUE(frames >= 2 * 3600 && frames <= 7 * 1800) << "stage " << i + 1 << ": " << frames << " frames";
    }
    for (int type : {0, 1, 2, 3, 4, 5, 6, 7, 22, 23, 24, 25, 26, 32, 33, 35, 36, 40, 41})
        EXPECT_TRUE(types.count(type)) << "no map character of type " << type;

    std::set<int> directions;
    for (const LoadedStage& s : stages)
        for (const mapc::ScrollSource& r : s.scroll) directions.insert(r.direction);
    EXPECT_TRUE(directions.count(4) && (directions.count(1) || directions.count(6)) &&
                (directions.count(2) || directions.count(7)))
        << "the stages scroll horizontally, vertically and diagonally";
}

std::vector<std::uint8_t> compileSources() {
    std::vector<mapc::Stage> stages;
    std::vector<mapc::Diagnostic> diagnostics;
    for (const std::string& path : stageSources()) {
        mapc::Stage stage;
        if (mapc::readStage(path, stage, diagnostics)) mapc::checkStage(stage, diagnostics);
        stages.push_back(stage);
    }
    for (const mapc::Diagnostic& d : diagnostics) ADD_FAILURE() << mapc::formatDiagnostic(d);
    return mapc::writeMapPac(stages);
}

TEST(StageArchive, SameSourcesGiveTheSameBytes) {
    const std::vector<std::uint8_t> first = compileSources();
    EXPECT_EQ(compileSources(), first);
    EXPECT_EQ(fileBytes(std::string(LNF_GAME_DIR) + "/lnfpac/map.pac"), first) << "the game folder is out of date";
}

TEST(MapcCommand, RefusesBadSourcesAndLeavesTheOutputAlone) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("lnf_mapc_test_" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path out = dir / "map.pac";
    std::ofstream(out) << "old";
    std::ofstream(dir / "bad.txt") << "legend . 0\nstart x=64 y=208\ntiles\n" << std::string(30, '.') << "\nend\n";
    std::string command = std::string(LNF_MAPC_PATH) + " " + out.string();
    for (const std::string& path : stageSources()) command += " " + path;
    const std::string bad = command + " " + (dir / "bad.txt").string() + " 2> " + (dir / "errors").string();

    EXPECT_NE(std::system(bad.c_str()), 0);
    EXPECT_EQ(fileBytes(out.string()), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
    EXPECT_FALSE(fs::exists(dir / "map.pac.tmp"));
    const std::vector<std::uint8_t> errors = fileBytes((dir / "errors").string());
    const std::string text(errors.begin(), errors.end());
    EXPECT_NE(text.find("bad.txt: boss-count:"), std::string::npos) << text;
    EXPECT_NE(text.find("bad.txt: scroll-count:"), std::string::npos) << text;

    EXPECT_EQ(std::system((command + " > " + (dir / "log").string()).c_str()), 0);
    EXPECT_EQ(fileBytes(out.string()), compileSources());
    fs::remove_all(dir);
}

}  // namespace
