// The editor's prefab file as a visit of the editor reads it, spawns each prefab into the
// scene, and leaves it untouched while it makes no prefab; once it makes one, the file is
// written with it joined in. The written file reads again and is written the same; a broken
// one keeps the prefabs read before the fault and is kept aside, byte for byte, before it is
// rewritten. Prefabs whose names begin with '/' are renamed like the file's
// end line, and those beginning with '<' like the empty-name placeholder: both are escaped.
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzEditor.h"
#include "FuzzSupport.h"
#include "FuzzWorkspace.h"
#include "editor/Editor.h"
#include "editor/PrefabFile.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"

namespace {
FuzzWorkspace* workspace = nullptr;  // this process's, removed when it ends
const char* const kFile = "resources/prefab/PrefabName.txt";
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
    DestroyAll();

    std::vector<std::shared_ptr<GameObject>> probe;
    std::istringstream probeIn(text);
    const bool whole = PrefabFile::Read(probeIn, "probe", probe);

    std::string written;
    size_t read = 0;
    {
        Editor editor(5);
        editor.LoadPrefabs();
        read = editor.prefabs.size();
        for (const auto& prefab : editor.prefabs) {
            const char initial = prefab->name.empty() ? '\0' : prefab->name[0];
            if (initial == '/')
                prefab->name = "/PrefabName";
            else if (initial == '<')
                prefab->name = "<empty>";
        }
        std::shared_ptr<GameObject> last;
        for (const auto& prefab : editor.prefabs) {
            editor.selectedPrefab = prefab;
            last = editor.SpawnPrefab();
        }
        if (EditorFramesWanted())
            DrawEditorFrames(editor, last);
        // Nothing made in the visit: the file is not written. Renamed prefabs count as made.
        bool renamed = false;
        for (const auto& prefab : editor.prefabs)
            renamed = renamed || prefab->name == "/PrefabName" || prefab->name == "<empty>";
        if (!renamed) {
            if (!editor.SavePrefabs())
                FuzzFailure("a visit that made no prefab failed to leave the file", text, "");
            if (workspace->Read(kFile) != text)
                FuzzFailure("a visit that made no prefab wrote the file", text, workspace->Read(kFile));
        }
        // A prefab made under a name the file lacks.
        std::string made = "FuzzMade";
        const auto named = [&editor](const std::string& name) {
            for (const auto& prefab : editor.prefabs)
                if (prefab->name == name)
                    return true;
            return false;
        };
        while (named(made))
            made += "x";
        editor.prefabs.push_back(std::make_shared<GameObject>(made, 4, 0));
        if (!editor.SavePrefabs())
            FuzzFailure("the prefab file was not written", PrefabFile::Write(editor.prefabs), "");
        // The editor holds what it wrote: the file's prefabs joined with its own.
        written = PrefabFile::Write(editor.prefabs);
        read = editor.prefabs.size();
        if (workspace->Read(kFile) != written)
            FuzzFailure("the written prefab file is not the prefabs", written, workspace->Read(kFile));
        if (!whole && workspace->Read(std::string(kFile) + ".broken") != text)
            FuzzFailure("a broken prefab file was not kept aside", text, workspace->Read(std::string(kFile) + ".broken"));
        editor.selectedPrefab.reset();
        DestroyAll();
    }

    // The next visit reads what this one wrote, whole, into the same prefabs.
    Editor next(5);
    next.LoadPrefabs();
    const std::string again = PrefabFile::Write(next.prefabs);
    if (next.prefabs.size() != read)
        FuzzFailure("a written prefab file reads back with " + std::to_string(next.prefabs.size()) + " prefabs, not " +
                        std::to_string(read),
                    written, again);
    if (again != written)
        FuzzFailure("a written prefab file does not read back as itself", written, again);
    return 0;
}
