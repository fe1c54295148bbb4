#pragma once
// Details of the floor-1 wing rooms: the crushing-wall room's loose pipes and its scraped trail.

#include "tools/make_sprites/Canvas.h"

namespace sprites {

void drawLoosePipes(Canvas& frame, int index);  // LoosePipes_1x2.png: whole, one length fallen
void drawScrapeTrail(Canvas& frame, int index); // ScrapeTrail.png

}  // namespace sprites
