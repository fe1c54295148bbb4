#pragma once
// People and creatures: the father's sheet, the nurse, the surgeon, the patient,
// the little girl, the bears and the dolls.

#include "tools/make_sprites/Canvas.h"

namespace sprites {

void drawFather(Canvas& frame, int index);       // Father_21x6.png
void drawNurse(Canvas& frame, int index);        // Nurse_2x5.png
void drawNurseEvil(Canvas& frame, int index);    // NurseEvil.png
void drawSurgeon(Canvas& frame, int index);      // Surgeon_6x5.png
void drawPatient(Canvas& frame, int index);      // Patient_6x5.png
void drawGirlWalk(Canvas& frame, int index);     // Girl_1x6.png
void drawLittleGirl(Canvas& frame, int index);   // LittleGirl_2x5.png
void drawTeddy(Canvas& frame, int index);        // Teddy_3x3.png
void drawBigBear(Canvas& frame, int index);      // BigBear_1x6.png
void drawTornBear(Canvas& frame, int index);     // TornBear.png
void drawHeadlessBear(Canvas& frame, int index); // decapitatedRegularBear_1x1.png
void drawHuggleBear(Canvas& frame, int index);   // HuggleBear.png
void drawEmoBear(Canvas& frame, int index);      // EmoBear.png
void drawTeddyHead(Canvas& frame, int index);    // TeddyHead.png
void drawTeddyBody(Canvas& frame, int index);    // TeddyBody.png
void drawDoll(Canvas& frame, int index);         // Doll.png
void drawSoftToy(Canvas& frame, int index);      // SoftToy.png
void drawDollEye(Canvas& frame, int index);      // DollEye.png
void drawExclamation(Canvas& frame, int index);  // Exclaimation.png
void drawCrawler(Canvas& frame, int index);      // Crawler.png

}  // namespace sprites
