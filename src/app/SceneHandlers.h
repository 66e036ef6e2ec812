// The handlers of the six scenes, each drawing and presenting its own frame.
#pragma once

#include <cstdint>

#include "scenes/ButtonConfigScene.h"  // buttonConfigScene: kSceneButtonConfig
#include "scenes/GalleryScene.h"       // galleryScene: kSceneGallery
#include "scenes/SelectScene.h"        // selectScene: kSceneSelect
#include "scenes/TitleMenu.h"          // titleScene: kSceneTitle
#include "stage/DrawScreenMap.h"       // loadStageMap: the kSceneLoad step

void stageFrame();         // kSceneStage: one step of play
