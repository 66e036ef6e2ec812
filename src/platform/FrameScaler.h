// Scaling the game's frame to the size it is shown at, in one pass into the
// memory that is presented: each pixel repeated up to the largest whole
// multiple that fits (sharp), then one bilinear step from that virtual image
// to the final size (smooth). An exact multiple is pure repetition; an output
// smaller than the frame is one bilinear step from the frame itself.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

class FrameScaler {
public:
    // src is srcWidth x srcHeight pixels, X8R8G8B8 row by row; dst receives
    // dstWidth x dstHeight pixels whose rows start dstPitch pixels apart.
    // The unused top byte of a pixel is not kept.
    void scale(const uint32_t* src, int srcWidth, int srcHeight, uint32_t* dst, int dstPitch, int dstWidth,
               int dstHeight);

private:
    // Where one output column (or row) samples the source: two source
    // columns and the weight of the second out of 256.
    struct Tap {
        int first = 0;
        int second = 0;
        uint32_t weight = 0;
    };
    // A source row scaled across to the output width.
    struct ScaledRow {
        int row = -1;
        std::vector<uint32_t> pixels;
    };

    static std::vector<Tap> axisTaps(int srcLength, int multiple, int dstLength);
    void prepare(int srcWidth, int srcHeight, int dstWidth, int dstHeight);
    const uint32_t* scaledRow(const uint32_t* src, int row, int keep);

    int srcWidth_ = 0, srcHeight_ = 0, dstWidth_ = 0, dstHeight_ = 0;
    std::vector<Tap> columns_;
    std::vector<Tap> rows_;
    ScaledRow cache_[2];
};

}  // namespace platform
