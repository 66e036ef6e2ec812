// The handlers of the six scenes, each drawing and presenting its own frame.
#pragma once

#include <cstdint>

#include "stage/DrawScreenMap.h"  // loadStageMap: the kSceneLoad step

void stageFrame();         // kSceneStage: one step of play
void titleScene();         // kSceneTitle
void selectScene();        // kSceneSelect
void buttonConfigScene();  // kSceneButtonConfig
void galleryScene();       // kSceneGallery
