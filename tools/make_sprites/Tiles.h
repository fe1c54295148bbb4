#pragma once
// Floors and walls. A floor object stretches its whole texture over the room,
// so each floor picture holds many tiles rather than one.

#include "tools/make_sprites/Canvas.h"

namespace sprites {

void drawTiles(Canvas& frame, int index);          // Tiles.png: clean linoleum tiles
void drawTilesDirty(Canvas& frame, int index);     // TilesDirty.png: the same after the change
void drawWall(Canvas& frame, int index);           // Wall_1x1.png
void drawWallDirty(Canvas& frame, int index);      // WallDirty_1x1.png
void drawWallTop(Canvas& frame, int index);        // WallTop.png
void drawFloorWood(Canvas& frame, int index);      // FloorWood.png
void drawFloorCarpet(Canvas& frame, int index);    // FloorCarpet.png
void drawFloorConcrete(Canvas& frame, int index);  // FloorConcrete.png
void drawBlack(Canvas& frame, int index);          // Black.png: fades and hidden areas
void drawEmpty(Canvas& frame, int index);          // Empty_1x1.png and empty.png

}  // namespace sprites
