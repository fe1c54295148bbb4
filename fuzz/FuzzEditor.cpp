#include "FuzzEditor.h"

#include <imgui.h>

#include <cstdlib>
#include <cstring>

#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "editor/Editor.h"
#include "engine/KeyTable.h"

FuzzWorkspace* StartEditorTarget()
{
    SilenceConsole();
    FuzzWorkspace* workspace = &FuzzWorkspace::OfThisProcess();
    if (!ImGui::GetCurrentContext())
        ImGui::CreateContext();
    // No key is ever held.
    Framework::SetKeyStateSource([](int) { return false; });
    return workspace;
}

bool EditorFramesWanted()
{
    static const bool wanted = [] {
        const char* value = std::getenv("VESPERINE_FUZZ_EDITOR_FRAMES");
        return value && std::strcmp(value, "1") == 0;
    }();
    return wanted;
}

void DrawEditorFrames(Editor& editor, const std::shared_ptr<GameObject>& selected)
{
    editor.Init();
    editor.selectedObject = selected;
    for (int frame = 0; frame < 2; ++frame)
        editor.Update(1.0f / 60.0f);
    editor.selectedObject.reset();
}
