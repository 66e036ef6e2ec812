// Decoding the stored story text into the table of message blocks.
//
// Stored form: the blocks one after another, each ended by a line holding "@".
// Every byte but the line feed is stored raised by one; line feeds are stored
// as they are. After decoding the text is Shift-JIS.
#include "data/StoryText.h"

#include <cstring>
#include <vector>

#include "app/Message.h"
#include "data/WholeFile.h"

char g_storyText[kStoryBlockCount][kStoryBlockSize];

namespace {

// Two blank pages, one for each speaker, open every conversation.
constexpr char kBlockStart[16] = {' ', ' ', '\n', '\n', '$', '$', '\n', '\n',
                                  ' ', ' ', '\n', '\n', '$', '$', '\n', '\n'};
constexpr int kBlockStartSize = 16;
// The last cell boundary inside a block, where the zero of a full block goes.
constexpr int kLastZero = kStoryBlockSize - 2;

// Text past the end of a block is cut whole cells at a time: once a block is
// cut nothing more goes into it, and it ends with a zero on a cell boundary,
// so the conversation code reading it cell by cell never meets half a
// character or runs on past the block.
class BlockWriter {
public:
    explicit BlockWriter(char (*table)[kStoryBlockSize]) : table_(table) { startBlock(); }

    bool full() const { return block_ >= kStoryBlockCount; }
    bool cutBlocks() const { return !cut_.empty(); }
    const std::string& cutList() const { return cut_; }

    // Stores n copies of c. Text may run into the block's last cell only as
    // the doubled line feed that the "@" rule takes away again; whatever else
    // comes next no longer fits and cuts the block.
    void store(char c, int n) {
        if (blockCut_) return;
        if (pos_ + n > kStoryBlockSize) {
            cutBlock();
            return;
        }
        for (int i = 0; i < n; ++i) table_[block_][pos_++] = c;
    }

    // The "@" line: the zero goes two bytes back, over the line feed stored
    // (doubled) before the "@". A cut block already has its zero.
    void endBlock() {
        if (!blockCut_) table_[block_][pos_ - 2] = 0;
        ++block_;
        if (!full()) startBlock();
    }

    // The end of the file: the last block ends where its text ends.
    void finish() {
        if (full() || blockCut_) return;
        if (pos_ > kLastZero)
            cutBlock();
        else
            table_[block_][pos_] = 0;
    }

private:
    void startBlock() {
        std::memcpy(table_[block_], kBlockStart, kBlockStartSize);
        pos_ = kBlockStartSize;
        blockCut_ = false;
    }

    // Cuts the block back to the last whole cell that leaves room for the
    // zero, ends it there and notes it for the report.
    void cutBlock() {
        blockCut_ = true;
        if (pos_ > kLastZero) pos_ = kLastZero;
        pos_ -= (pos_ - kBlockStartSize) % 2;
        std::memset(table_[block_] + pos_, 0, kStoryBlockSize - pos_);
        if (!cut_.empty()) cut_ += "、";
        cut_ += std::to_string(block_);
    }

    char (*table_)[kStoryBlockSize];
    int block_ = 0;
    int pos_ = 0;
    bool blockCut_ = false;
    std::string cut_;
};

}  // namespace

const char* storyTextFile(int character) {
    return character == 1 ? "lnfpac/mout2.fdat" : "lnfpac/mout.fdat";
}

bool decodeStoryText(const uint8_t* data, size_t size,
                     char table[kStoryBlockCount][kStoryBlockSize], std::string* problem) {
    // A clean table every time, so that nothing read depends on an earlier load.
    std::memset(table, 0, sizeof(char) * kStoryBlockCount * kStoryBlockSize);
    BlockWriter out(table);
    bool tooManyBlocks = false;
    for (size_t i = 0; i < size; ++i) {
        uint8_t c = data[i];
        // Read as text: a carriage return before a line feed is not part of it.
        if (c == '\r' && i + 1 < size && data[i + 1] == '\n') continue;
        if (out.full()) {
            tooManyBlocks = true;
            break;
        }
        if (c == '\n') {
            out.store('\n', 1);  // stored here and once more below: line feeds are doubled
        } else {
            c = static_cast<uint8_t>(c - 1);
        }
        if (c == '@') {
            out.endBlock();
            // The line end of the "@" line: one character, or CR LF read as one.
            i += (i + 2 < size && data[i + 1] == '\r' && data[i + 2] == '\n') ? 2 : 1;
        } else if (c == '#' || c == '$') {
            out.store(static_cast<char>(c), 2);
        } else {
            out.store(static_cast<char>(c), 1);
        }
    }
    out.finish();
    if (!out.cutBlocks() && !tooManyBlocks) return true;
    if (problem) {
        problem->clear();
        if (out.cutBlocks())
            *problem = "ブロック" + out.cutList() + "の文章が" +
                       std::to_string(kStoryBlockSize) + "バイトを超えたため、後ろを省きました";
        if (tooManyBlocks) {
            if (!problem->empty()) *problem += "。";
            *problem += "ブロックが" + std::to_string(kStoryBlockCount) +
                        "を超えたため、残りを読みません";
        }
    }
    return false;
}

bool loadStoryText(const char* path) {
    std::vector<uint8_t> bytes;
    FileReadResult read = readWholeFile(path, bytes);
    std::string problem;
    // Decoded even when nothing was read, so the table holds an empty block.
    bool whole = decodeStoryText(bytes.data(), bytes.size(), g_storyText, &problem);
    if (read != FileReadResult::Read) {
        messageBox(std::string(path) + "を読み込めません: " + fileReadProblem(read));
        return false;
    }
    if (!whole) {
        messageBox(std::string(path) + "を読み込めません: " + problem);
        return false;
    }
    return true;
}
