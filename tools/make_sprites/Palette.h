#pragma once
// The game's muted colours in one place, so every picture belongs to the same hospital.

#include "tools/make_sprites/Canvas.h"

namespace sprites {
namespace palette {

inline const Color kOutline = rgb(10, 9, 11);
inline const Color kBlack = rgb(0, 0, 0);
inline const Color kBlood = rgb(96, 18, 16);
inline const Color kBloodDry = rgb(70, 30, 24);
inline const Color kRust = rgb(112, 62, 38);
inline const Color kGlowRed = rgb(220, 40, 28);
inline const Color kWarmLight = rgb(255, 228, 168);

inline const Color kSkinFather = rgb(196, 170, 150);
inline const Color kSkinPale = rgb(212, 196, 184);
inline const Color kSkinSick = rgb(150, 160, 140);

inline const Color kWallGreen = rgb(74, 92, 80);
inline const Color kWallGreenDark = rgb(44, 56, 50);
inline const Color kTileLight = rgb(150, 152, 140);
inline const Color kTileDark = rgb(92, 98, 92);
inline const Color kGrout = rgb(52, 54, 50);
inline const Color kWood = rgb(92, 66, 46);
inline const Color kMetal = rgb(110, 114, 116);
inline const Color kMetalDark = rgb(62, 66, 70);
inline const Color kPaper = rgb(206, 198, 172);
inline const Color kInk = rgb(40, 36, 34);

// Interface.
inline const Color kPanel = rgb(18, 18, 20);
inline const Color kPanelEdge = rgb(96, 70, 52);
inline const Color kText = rgb(214, 206, 190);
inline const Color kTextDim = rgb(140, 134, 124);
inline const Color kHighlight = rgb(196, 60, 44);

}  // namespace palette
}  // namespace sprites
