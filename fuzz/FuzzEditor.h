#pragma once
#include <memory>

class Editor;
class GameObject;

class FuzzWorkspace;

// The editor's files are read into the one interface context the game keeps (made here once,
// no renderer) by an editor of scene id 5 on the workspace's "../resources/" paths. Start-up of
// an editor target: the console silenced, this process's workspace, the context.
FuzzWorkspace* StartEditorTarget();

// Whether the targets also open the editor on what was read and draw frames of it (with
// `selected` in the Inspector when given): set VESPERINE_FUZZ_EDITOR_FRAMES=1. Off by default
// until the editor refuses the style sizes and object types the interface asserts on.
bool EditorFramesWanted();
void DrawEditorFrames(Editor& editor, const std::shared_ptr<GameObject>& selected);
