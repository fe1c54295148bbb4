#include "engine/SceneRequests.h"

bool gStartGame = false;
bool gQuitFromMenu = false;
bool gQuitFromPause = false;
bool gLevelToMenu = false;
bool gGameOverToMenu = false;
bool gContinueGame = false;
bool gNewGame = false;
bool gCutsceneFinished = false;
bool gEndingFinished = false;
bool gSplashFinished = false;

void ResetSceneRequests()
{
    gStartGame = false;
    gQuitFromMenu = false;
    gQuitFromPause = false;
    gLevelToMenu = false;
    gGameOverToMenu = false;
    gContinueGame = false;
    gNewGame = false;
    gCutsceneFinished = false;
    gEndingFinished = false;
    gSplashFinished = false;
}
