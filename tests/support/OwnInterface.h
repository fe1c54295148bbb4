#pragma once
#include <imgui.h>

namespace testsupport {

// The game keeps one interface context for the whole run, so a test that runs interface frames
// would hand the next its windows, focus and the edit in progress of a field. While this lives,
// the test has no context but the one it makes (or the window system's Init makes for it);
// afterwards that one is destroyed and the context found before is current again.
class OwnInterface {
public:
    OwnInterface() : found(ImGui::GetCurrentContext()) { ImGui::SetCurrentContext(nullptr); }
    ~OwnInterface()
    {
        ImGuiContext* own = ImGui::GetCurrentContext();
        if (own && own != found) {
            ImGui::GetIO().IniFilename = nullptr;  // its window layout is not saved anywhere
            ImGui::DestroyContext(own);
        }
        ImGui::SetCurrentContext(found);
    }
    OwnInterface(const OwnInterface&) = delete;
    OwnInterface& operator=(const OwnInterface&) = delete;

private:
    ImGuiContext* found;
};

}  // namespace testsupport
