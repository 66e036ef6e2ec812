// The gallery: eight pictures in two rows of four, each shown once its
// progress flag is set and a placeholder until then. Confirm opens the
// highlighted picture full screen and closes it again; the row under the
// pictures leaves for the title.
#pragma once

#include <cstdint>

constexpr int32_t kGalleryUnset = 0;       // the pictures are not loaded yet
constexpr int32_t kGalleryGrid = 2;        // the thumbnails and the exit item
constexpr int32_t kGalleryFullScreen = 3;  // one picture over the whole screen
constexpr int kGalleryColumns = 4;
constexpr int kGalleryPictureRows = 2;
constexpr int32_t kGalleryExitRow = 2;

extern int32_t g_galleryState;
extern int32_t g_galleryColumn;  // 0-3
extern int32_t g_galleryRow;     // 0-1 the pictures, 2 the exit item (grid only)

// Edge latches of the two directions and of confirm. Confirm is held on
// entry, so that the press that chose the gallery on the title must be
// released before it opens a picture.
struct GalleryLatches {
    bool vertical = false;
    bool horizontal = false;
    bool confirm = true;   // a confirm control is held
    bool action = true;    // the scene has acted on the current confirm
};
extern GalleryLatches g_galleryLatches;

void galleryScene();
// Moves row and column on the first frame of each direction, wrapping (the
// exit row only in the grid), and sounds the first frame of a confirm. True
// while confirm is held; false and nothing changes when the joystick cannot
// be read.
bool galleryInput(int32_t& column, int32_t& row, int32_t state);
// Picture 4 x row + column has its progress flag set; false outside the grid.
bool galleryPictureUnlocked(int32_t column, int32_t row);

// The scene's state at program start.
void resetGalleryScene();
