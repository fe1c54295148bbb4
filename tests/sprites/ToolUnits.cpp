// The sprite tool is an executable, not a library: its drawing core is
// compiled into this test program here, once, so its units can be tested alone.
#include "tools/make_sprites/BitmapFont.cpp"
#include "tools/make_sprites/Canvas.cpp"
#include "tools/make_sprites/Noise.cpp"
#include "tools/make_sprites/ReportPages.cpp"
#include "tools/make_sprites/Shapes.cpp"
#include "tools/make_sprites/SpriteSheet.cpp"
