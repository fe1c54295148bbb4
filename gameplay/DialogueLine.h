#pragma once

#include <string>

// One line of the dialogue box. showPortrait shows the portrait at portraitFrame (the
// father's lines); other speakers and the game's own messages hide it.
struct DialogueLine
{
    std::string text;
    int portraitFrame = 0;
    bool showPortrait = false;

    DialogueLine() = default;
    DialogueLine(const std::string& text_, bool showPortrait_, int portraitFrame_)
        : text(text_), portraitFrame(portraitFrame_), showPortrait(showPortrait_)
    {
    }
};
