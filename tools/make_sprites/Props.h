#pragma once
// Furniture, doors, puzzle pieces and carried items, seen from above at the
// same steep angle as the people.

#include "tools/make_sprites/Canvas.h"

namespace sprites {

// Furniture.
void drawBed(Canvas& frame, int index);             // Bed.png
void drawBedBloody(Canvas& frame, int index);       // BedBloody.png
void drawWheelchair(Canvas& frame, int index);      // Wheelchair.png
void drawIVStand(Canvas& frame, int index);         // IVStand.png
void drawCabinet(Canvas& frame, int index);         // Cabinet.png
void drawCupboard(Canvas& frame, int index);        // Cupboard_1x2.png: medicine left, right
void drawCurtain(Canvas& frame, int index);         // Curtain_1x2.png: drawn, pulled aside
void drawDesk(Canvas& frame, int index);            // Desk.png
void drawChair(Canvas& frame, int index);           // Chair.png
void drawShelf(Canvas& frame, int index);           // Shelf.png
void drawTrolley(Canvas& frame, int index);         // Trolley.png
void drawSink(Canvas& frame, int index);            // Sink.png
void drawPlant(Canvas& frame, int index);           // Plant.png
void drawReceptionTable(Canvas& frame, int index);  // ReceptionTable_1x3.png: plain, note, wrecked
void drawRubble(Canvas& frame, int index);          // Rubble.png
void drawDaughterTable(Canvas& frame, int index);   // DaughterTable_1x2.png
void drawOperatingTable(Canvas& frame, int index);  // OperatingTable_1x7.png
void drawWallPipes(Canvas& frame, int index);       // WallPipes.png

// Doors and openings.
void drawDoorClosed(Canvas& frame, int index);      // DoorClosed_1x1.png
void drawDoorAjar(Canvas& frame, int index);        // DoorOpenv2_1x1.png
void drawDoorOpenFully(Canvas& frame, int index);   // DoorOpenFully_1x1.png
void drawDoor(Canvas& frame, int index);            // Door_1x2.png: closed, open
void drawDoorNursery(Canvas& frame, int index);     // DoorNursery.png
void drawDoorChained(Canvas& frame, int index);     // DoorChained.png
void drawDoorDouble(Canvas& frame, int index);      // DoorDouble_1x2.png: closed, open
void drawPortal(Canvas& frame, int index);          // Portal_1x2.png: open, closed
void drawTrapDoor(Canvas& frame, int index);        // TrapDoor_1x5.png
void drawHoleInWall(Canvas& frame, int index);      // HoleInWall.png
void drawLift(Canvas& frame, int index);            // Lift_3x4.png
void drawGlass(Canvas& frame, int index);           // Glass_1x2.png: dark, a figure behind

// Puzzle pieces.
void drawLever(Canvas& frame, int index);           // Lever_1x2.png: up, pulled
void drawSwitch(Canvas& frame, int index);          // Switch_1x2.png: off, on
void drawTrafficLight(Canvas& frame, int index);    // TrafficLight_1x5.png: off, red, yellow, green, blue
void drawClueBoard(Canvas& frame, int index);       // ClueBoard.png
void drawClueBoard2(Canvas& frame, int index);      // ClueBoard2.png
void drawGenerator(Canvas& frame, int index);       // Generator_1x3.png: chained, cut, running
void drawFamilyTree(Canvas& frame, int index);      // FamilyTree_1x5.png
void drawTreeGrowth(Canvas& frame, int index);      // TreeGrowth_1x5.png
void drawBlockBear(Canvas& frame, int index);       // BlockBear_1x4.png: none, A, B, both
void drawPainting(Canvas& frame, int index);        // Painting_1x3.png: calm, watching, defaced
void drawWallPortrait(Canvas& frame, int index);    // WallPortrait_1x4.png
void drawCheckpoint(Canvas& frame, int index);      // Checkpoint_1x2.png: unlit, lit
void drawFire(Canvas& frame, int index);            // Fire_1x4.png
void drawLeak(Canvas& frame, int index);            // Leak.png
void drawTextOnWall(Canvas& frame, int index);      // TextOnWall.png
void drawBlood(Canvas& frame, int index);           // Blood_1x4.png
void drawNote(Canvas& frame, int index);            // Note.png
void drawShadow(Canvas& frame, int index);          // Shadow.png

// Items and their icons.
void drawIVBag(Canvas& frame, int index);           // IVBag.png, IVBagIcon_1x1.png
void drawBlockA(Canvas& frame, int index);          // ABlock_1x1.png
void drawBlockB(Canvas& frame, int index);          // BBlock_1x1.png
void drawChainCutter(Canvas& frame, int index);     // ChainCutter_1x1.png
void drawCrank(Canvas& frame, int index);           // Crank_1x1.png
void drawPipe(Canvas& frame, int index);            // Pipe.png
void drawNurseClothes(Canvas& frame, int index);    // nurseClothesSlant.png
void drawWeddingRing(Canvas& frame, int index);     // WeddingRing_1x3.png: rusty, cleaner, shining
void drawKey(Canvas& frame, int index);             // Key.png
void drawLighter(Canvas& frame, int index);         // Lighter.png
void drawHacksaw(Canvas& frame, int index);         // Hacksaw.png
void drawScissors(Canvas& frame, int index);        // Scissors.png
void drawTorchItem(Canvas& frame, int index);       // Torch.png

}  // namespace sprites
