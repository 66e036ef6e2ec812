// The level-design and format rules a stage must keep before it is written:
// record fields, map characters, the scroll path and what the view will meet.
#pragma once

#include "MapStage.h"

#include <vector>

namespace mapc {

struct StageSummary {
    int scrollFrames = 0;  // frames until the view comes to rest
};

// Appends one diagnostic per broken rule; true when the stage keeps them all.
bool checkStage(const Stage& stage, std::vector<Diagnostic>& diagnostics, StageSummary* summary = nullptr);

// The archive holds between kMinStages and kMaxStages stages.
bool checkStageCount(int count, std::vector<Diagnostic>& diagnostics);

// Rules that follow the view along its path (view-bounds, passage, boss-reached,
// boss-arena, unseen). Called by checkStage once the records themselves are sound.
void checkViewPath(const Stage& stage, std::vector<Diagnostic>& diagnostics, StageSummary* summary);

// Map-character kinds the rules need to tell apart.
bool isBossGenerator(int type);
bool isGenerator(int type);

// Drawn size of a map character, which is also its visibility margin.
struct CharSize {
    int width, height;
};
CharSize charSize(int type);

}  // namespace mapc
