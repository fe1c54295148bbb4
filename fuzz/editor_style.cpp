// The editor's style file as a visit of the editor reads it into the interface's style: left as
// it is while the style is not changed, and written once it is. The written file reads again
// into the same style; a broken one changes nothing, and it or one that goes on after its end
// line is kept aside, byte for byte, before it is rewritten.
#include <imgui.h>

#include <cstdint>
#include <sstream>
#include <string>

#include "FuzzEditor.h"
#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "editor/Editor.h"
#include "editor/StyleFile.h"

namespace {
FuzzWorkspace* workspace = nullptr;  // this process's, removed when it ends
const char* const kFile = "resources/level/Editor/EditorSetting.txt";

std::string StyleNow(const Editor& editor)
{
    return StyleFile::Write(ImGui::GetStyle(), editor.spareColours);
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    workspace = StartEditorTarget();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text = AsText(data, size);
    workspace->WriteInput(kFile, text);
    ImGui::GetStyle() = ImGuiStyle();

    ImGuiStyle probe;
    StyleFile::SpareColours probeSpare{};
    std::istringstream probeIn(text);
    std::string error;
    const FileRead reading = StyleFile::Read(probeIn, probe, probeSpare, error);
    const bool whole = reading == FileRead::Whole;

    std::string written;
    {
        Editor editor(5);
        const std::string before = StyleNow(editor);
        editor.LoadEditorSetting();
        if (reading == FileRead::Unread && StyleNow(editor) != before)
            FuzzFailure("a broken style file changed the style (" + error + ")", before, StyleNow(editor));
        if (EditorFramesWanted())
            DrawEditorFrames(editor, nullptr);
        if (!editor.SaveEditorSetting() || workspace->Read(kFile) != text)
            FuzzFailure("a style not changed in the visit was written", text, workspace->Read(kFile));
        float& rounding = ImGui::GetStyle().WindowRounding;
        rounding = rounding == 5.0f ? 6.0f : 5.0f;
        written = StyleNow(editor);
        if (!editor.SaveEditorSetting())
            FuzzFailure("the style file was not written", written, "");
        if (workspace->Read(kFile) != written)
            FuzzFailure("the written style file is not the style", written, workspace->Read(kFile));
        if (!whole && workspace->Read(std::string(kFile) + ".broken") != text)
            FuzzFailure("a broken style file was not kept aside (" + error + ")", text,
                        workspace->Read(std::string(kFile) + ".broken"));
    }

    // The next visit reads what this one wrote into the same style.
    ImGui::GetStyle() = ImGuiStyle();
    Editor next(5);
    next.LoadEditorSetting();
    if (StyleNow(next) != written)
        FuzzFailure("a written style file does not read back as itself", written, StyleNow(next));
    return 0;
}
