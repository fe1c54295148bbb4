#pragma once
// Menus, buttons, the dialogue box and its pieces, prompts and overlays.

#include "tools/make_sprites/Canvas.h"

namespace sprites {

void drawPortraits(Canvas& frame, int index);     // Portraits_1x2.png: 0 the father, 1 the nurse
void drawDialogueBox(Canvas& frame, int index);   // DialogueBox.png
void drawTextBox(Canvas& frame, int index);       // TextBox_4x3.png: messages over the dialogue box
void drawYesSelect(Canvas& frame, int index);     // YesSelect_1x2.png
void drawNoSelect(Canvas& frame, int index);      // NoSelect_1x2.png
void drawPromptE(Canvas& frame, int index);       // PlayerE.png
void drawPlayerText(Canvas& frame, int index);    // PlayerText_2x4.png
void drawRedScreen(Canvas& frame, int index);     // RedScreen.png

// Picture buttons: frame 0 at rest, frame 1 highlighted.
void drawButtonStart(Canvas& frame, int index);
void drawButtonCredits(Canvas& frame, int index);
void drawButtonHowToPlay(Canvas& frame, int index);
void drawButtonQuit(Canvas& frame, int index);
void drawButtonResume(Canvas& frame, int index);
void drawButtonContinue(Canvas& frame, int index);
void drawButtonRestart(Canvas& frame, int index);
void drawButtonMainMenu(Canvas& frame, int index);
void drawButtonYes(Canvas& frame, int index);
void drawButtonNo(Canvas& frame, int index);

void drawTitle(Canvas& frame, int index);         // Title.png
void drawAreYouSure(Canvas& frame, int index);    // AreYouSure.png
void drawCredits(Canvas& frame, int index);       // Credits.png
void drawHowToPlay(Canvas& frame, int index);     // HTP.png
void drawPauseHowToPlay(Canvas& frame, int index);  // PauseHTP.png
void drawNumbers(Canvas& frame, int index);       // Numbers_4x4.png: 0 to 15

}  // namespace sprites
