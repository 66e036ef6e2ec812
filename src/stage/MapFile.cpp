// Loading a stage from "lnfpac/map.pac". The file is little-endian int32
// words; positions count words from the start of the file:
//   word 0          N, the number of stages (at most 10)
//   word P(k)       S(k), stage k's size in words counting this word;
//                   P(0) = 1, P(k+1) = P(k) + S(k); the block starts at P(k) + 1
//   stage block:    W, H; H x W tile numbers, row by row from the top;
//                   the marker 49; the craft's start x, y; four unused words;
//                   K, then K map characters of 7 words (type, x, y, param0-3);
//                   M, then M x 16 unused bytes, then up to M scroll records of
//                   3 words (direction, length in tiles, speed), ending early
//                   at the record with direction 8.
// Every size, count and index is checked against the file and the tables
// before anything is used: a bad file is refused with a message naming the
// problem, and nothing is read or written outside the file, the grid or a table.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "app/Message.h"
#include "data/WholeFile.h"
#include "objects/GameObject.h"
#include "player/PlayerState.h"
#include "stage/DrawScreenMap.h"
#include "stage/MapCharMove.h"

namespace {

constexpr const char* kMapFile = "lnfpac/map.pac";

// Direction codes 0-7: the view's column and row steps.
constexpr int32_t kDirectionStep[8][2] = {{-1, 1}, {0, 1}, {1, 1}, {-1, 0},
                                          {1, 0},  {-1, -1}, {0, -1}, {1, -1}};
constexpr int32_t kEndRecord = 8;
// A thousand pixels a frame: far past any useful speed, and far from overflow.
constexpr int32_t kMaxScrollSpeed = 1000000;

class WordReader {
public:
    WordReader(const uint8_t* data, size_t size) : data_(data), words_(size / 4) {}
    size_t words() const { return words_; }
    size_t position() const { return position_; }
    bool seek(size_t word)
    {
        if (word > words_)
            return false;
        position_ = word;
        return true;
    }
    bool remaining(size_t count) const { return count <= words_ - position_; }
    int32_t at(size_t word) const
    {
        const uint8_t* p = data_ + 4 * word;
        return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
    }
    bool read(int32_t& value)
    {
        if (!remaining(1))
            return false;
        value = at(position_++);
        return true;
    }

private:
    const uint8_t* data_;
    size_t words_;
    size_t position_ = 0;
};

struct StageData {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<int32_t> tiles;  // row by row
    int32_t marker = 0;
    int32_t startX = 0;
    int32_t startY = 0;
    std::vector<MapChar> chars;
    std::vector<ScrollSegment> segments;
};

// Frames a segment of length tiles lasts at speed thousandths of a pixel per
// frame: trunc(length x 32 / (speed / 1000)).
int32_t segmentFrames(int32_t length, int32_t speed)
{
    double frames = std::trunc(length * 32.0 / (speed / 1000.0));
    if (frames >= std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(frames);
}

// Reads stage stageIndex up to and including its marker into stage, then the
// rest only when the marker is right. An empty problem means the read succeeded.
void parseStage(WordReader& in, int32_t stageIndex, StageData& stage, std::string& problem)
{
    int32_t stageCount = 0;
    if (!in.read(stageCount)) {
        problem = "ステージ数がありません";
        return;
    }
    if (stageCount < 0 || stageCount > kMaxStages) {
        problem = "ステージ数" + std::to_string(stageCount) + "は0から" + std::to_string(kMaxStages) +
                  "の範囲外です";
        return;
    }
    if (stageIndex < 0 || stageIndex >= stageCount) {
        problem = "ステージ" + std::to_string(stageIndex + 1) + "がありません (全" +
                  std::to_string(stageCount) + "ステージ)";
        return;
    }
    size_t sizeWord = 1;
    for (int32_t k = 0; k < stageIndex; ++k) {
        if (sizeWord >= in.words()) {
            problem = "ステージ" + std::to_string(k + 1) + "の大きさがファイルの外にあります";
            return;
        }
        int32_t size = in.at(sizeWord);
        if (size < 1 || static_cast<size_t>(size) > in.words() - sizeWord) {
            problem = "ステージ" + std::to_string(k + 1) + "の大きさ" + std::to_string(size) + "が不正です";
            return;
        }
        sizeWord += static_cast<size_t>(size);
    }
    std::string where = "ステージ" + std::to_string(stageIndex + 1) + ": ";
    if (!in.seek(sizeWord + 1)) {
        problem = where + "ファイルの外から始まります";
        return;
    }
    if (!in.read(stage.width) || !in.read(stage.height)) {
        problem = where + "マップの大きさの途中でファイルが終わります";
        return;
    }
    if (stage.width < 0 || stage.width > kMapColumns || stage.height < 0 || stage.height > kMapRows) {
        problem = where + "マップの大きさ" + std::to_string(stage.width) + "x" +
                  std::to_string(stage.height) + "が1024x256を超えます";
        return;
    }
    size_t tileCount = static_cast<size_t>(stage.width) * static_cast<size_t>(stage.height);
    if (!in.remaining(tileCount + 1)) {
        problem = where + "タイルの途中でファイルが終わります";
        return;
    }
    stage.tiles.resize(tileCount);
    for (int32_t& tile : stage.tiles)
        in.read(tile);
    in.read(stage.marker);
    if (stage.marker != kMapMarker)
        return;  // the caller reports the marker and keeps the tiles

    int32_t unused = 0;
    if (!in.read(stage.startX) || !in.read(stage.startY) || !in.remaining(5)) {
        problem = where + "開始位置の途中でファイルが終わります";
        return;
    }
    for (int i = 0; i < 4; ++i)
        in.read(unused);
    int32_t charCount = 0;
    in.read(charCount);
    if (charCount < 0 || !in.remaining(static_cast<size_t>(charCount) * 7)) {
        problem = where + "マップキャラクター数" + std::to_string(charCount) + "がファイルに収まりません";
        return;
    }
    stage.chars.resize(static_cast<size_t>(charCount));
    for (size_t i = 0; i < stage.chars.size(); ++i) {
        MapChar& record = stage.chars[i];
        in.read(record.type);
        in.read(record.mapX);
        in.read(record.mapY);
        in.read(record.param0);
        in.read(record.param1);
        in.read(record.param2);
        in.read(record.param3);
        record.index = static_cast<int32_t>(i);
    }
    int32_t segmentCount = 0;
    if (!in.read(segmentCount)) {
        problem = where + "スクロール数の前でファイルが終わります";
        return;
    }
    if (segmentCount < 0 || segmentCount > kMaxScrollSegments) {
        problem = where + "スクロール数" + std::to_string(segmentCount) + "は0から" +
                  std::to_string(kMaxScrollSegments) + "の範囲外です";
        return;
    }
    if (!in.seek(in.position() + 4 * static_cast<size_t>(segmentCount))) {
        problem = where + "スクロールの途中でファイルが終わります";
        return;
    }
    for (int32_t i = 0; i < segmentCount; ++i) {
        int32_t direction = 0, length = 0, speed = 0;
        if (!in.read(direction) || !in.read(length) || !in.read(speed)) {
            problem = where + "スクロール" + std::to_string(i + 1) + "の途中でファイルが終わります";
            return;
        }
        ScrollSegment segment{direction, 0, 9999, 9999, speed};
        if (direction == kEndRecord) {
            stage.segments.push_back(segment);
            break;
        }
        if (direction < 0 || direction > kEndRecord) {
            problem = where + "スクロール" + std::to_string(i + 1) + "の向き" + std::to_string(direction) +
                      "が不正です";
            return;
        }
        if (speed <= 0 || speed > kMaxScrollSpeed) {
            problem = where + "スクロール" + std::to_string(i + 1) + "の速さ" + std::to_string(speed) +
                      "が1から" + std::to_string(kMaxScrollSpeed) + "の範囲外です";
            return;
        }
        if (length < 0) {
            problem = where + "スクロール" + std::to_string(i + 1) + "の長さ" + std::to_string(length) +
                      "が負です";
            return;
        }
        segment.frames = segmentFrames(length, speed);
        segment.dx = kDirectionStep[direction][0];
        segment.dy = kDirectionStep[direction][1];
        stage.segments.push_back(segment);
    }
}

void storeTiles(const StageData& stage)
{
    for (int32_t r = 0; r < stage.height; ++r)
        for (int32_t c = 0; c < stage.width; ++c)
            mapTiles[c][r] = stage.tiles[static_cast<size_t>(r) * stage.width + c];
}

}  // namespace

bool loadStageMapFrom(const uint8_t* data, size_t size, int32_t stageIndex)
{
    WordReader in(data, size);
    StageData stage;
    std::string problem;
    parseStage(in, stageIndex, stage, problem);
    if (!problem.empty()) {
        messageBox(std::string(kMapFile) + "が壊れています: " + problem);
        return false;
    }
    storeTiles(stage);
    if (stage.marker != kMapMarker) {
        messageBox("エルフさんが存在しません");
        return false;
    }
    g_playerObject->setX(static_cast<float>(stage.startX));
    g_playerObject->setY(static_cast<float>(stage.startY));

    mapChars = std::move(stage.chars);
    mapCharCount = static_cast<int32_t>(mapChars.size());
    for (MapChar& record : mapChars)
        initMapChar(record);

    scrollTileX = scrollTileY = scrollPixelX = scrollPixelY = 0;
    updateCamera();
    scrollSegmentCount = static_cast<int32_t>(stage.segments.size());
    for (int32_t i = 0; i < kMaxScrollSegments; ++i)
        scrollSegments[i] = i < scrollSegmentCount ? stage.segments[i] : ScrollSegment{};
    segmentIndex = segmentFrame = speedAccumulator = 0;
    return true;
}

bool loadStageMap(int32_t stageIndex)
{
    std::vector<uint8_t> bytes;
    FileReadResult read = readWholeFile(kMapFile, bytes);
    if (read == FileReadResult::CannotOpen) {
        messageBox("map.pacファイルが開けません");
        return false;
    }
    if (read == FileReadResult::CannotRead) {
        messageBox("map.pacファイルの読み込みに失敗しました");
        return false;
    }
    return loadStageMapFrom(bytes.data(), bytes.size(), stageIndex);
}
