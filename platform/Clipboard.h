#pragma once
#include <string>

namespace Platform {

// Both need the video part of SDL started (InitVideo); otherwise they do nothing / return "".
void SetClipboardText(const std::string& text);
std::string GetClipboardText();

}  // namespace Platform
