#pragma once
#include <functional>
#include <string>
#include <vector>

#include "tools/make_sounds/Signal.h"

// One sound the tool makes: its name in the sound list (and file name), and how to make it.
struct SoundRecipe {
    std::string name;
    std::function<Signal()> make;
};

// Sound effects, 44100 Hz mono, for resources/sfx/.
std::vector<SoundRecipe> EffectRecipes();
// Music loops, 22050 Hz mono, for resources/bgm/.
std::vector<SoundRecipe> MusicRecipes();
