#include "platform/Clipboard.h"

#include <SDL.h>

#include "platform/DisplayConnection.h"

namespace Platform {

void SetClipboardText(const std::string& text)
{
    if (SDL_WasInit(SDL_INIT_VIDEO) && !DisplayLost()) {
        SDL_SetClipboardText(text.c_str());
    }
}

std::string GetClipboardText()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO) || DisplayLost()) {
        return "";
    }
    char* text = SDL_GetClipboardText();
    if (!text) {
        return "";
    }
    std::string result = text;
    SDL_free(text);
    return result;
}

}  // namespace Platform
