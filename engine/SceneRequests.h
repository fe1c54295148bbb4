#pragma once

// Scene-request flags: scenes set them, the scene system polls eight of them once per frame and
// clears what it acts on; the window system ends the program on the two quit flags.
extern bool gStartGame;
extern bool gQuitFromMenu;
extern bool gQuitFromPause;
extern bool gLevelToMenu;
extern bool gGameOverToMenu;
extern bool gContinueGame;
extern bool gNewGame;
extern bool gCutsceneFinished;
extern bool gEndingFinished;
extern bool gSplashFinished;

// Clears all ten (tests, and a fresh start).
void ResetSceneRequests();
