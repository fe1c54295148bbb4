#pragma once
// Full-screen pictures: the splash logos, the menu and game-over backgrounds,
// the intro and ending stories, the ring sequence, the bear's scare, and the
// papers the father reads.

#include "tools/make_sprites/Canvas.h"

namespace sprites {

void drawSchoolLogo(Canvas& frame, int index);      // SchoolLogo.png
void drawTeamLogo(Canvas& frame, int index);        // TeamLogo.png
void drawMenuBackground(Canvas& frame, int index);  // MenuBackground.png
void drawGameOver(Canvas& frame, int index);        // GameOver.png
void drawIntro(Canvas& frame, int picture);         // Intro1.png .. Intro8.png (picture 0..7)
void drawEnding(Canvas& frame, int picture);        // Ending1.png .. Ending14.png (picture 0..13)
void drawRing(Canvas& frame, int picture);          // Ring1_1x1.png .. Ring6_1x1.png (picture 0..5)
void drawBearScare(Canvas& frame, int index);       // BearScare_1x4.png
void drawReports(Canvas& frame, int index);         // ExperimentReports_4x1.png
void drawChildDrawings(Canvas& frame, int index);   // NotesDrawing_1x2.png

}  // namespace sprites
