#pragma once
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "editor/EditorFileState.h"
#include "editor/EditorFileStore.h"
#include "editor/EntityFilter.h"
#include "editor/FocusTypeAhead.h"
#include "editor/InterfaceRenderer.h"
#include "editor/LevelBaseline.h"
#include "editor/OpeningFade.h"
#include "editor/PerformanceHistory.h"
#include "editor/StyleFile.h"
#include "engine/Scene.h"
#include "engine/Vector2.h"
#include "engine/Vector3.h"

class GameObject;

// Scene 5, the level editor: opens the level named levelName into the object list and edits
// it in place through Dear ImGui windows. In editing mode the game's scripts stand still (F11
// held runs them); F12 switches to play mode, in which every component runs as in the game.
// The panels are split over editor/Editor*.cpp by window.
class Editor : public Scene {
public:
    explicit Editor(int id);
    ~Editor() override;

    void Init() override;
    void Update(float dt) override;
    void Load() override;
    void Unload() override;
    // The quit chord first writes what waits for the editor's files; holding edits not yet saved,
    // or with a file it could not write, it opens the quit question (EditorMenu.cpp).
    bool AskBeforeQuit() override;
    // Writes what waits for the editor's files (entered or not: a failed write at its leave
    // keeps it); the style only once read, as an editor never entered holds the default one.
    std::vector<UnwrittenFile> WriteWhatWaits() override;
    // The files UnwrittenFiles names, with why and what ending the run loses with each.
    std::vector<UnwrittenFile> WhatWaits() const override;
    bool LevelReadInPart() const override { return levelFile.damaged; }
    // The level differs from what was last read from its file or saved.
    bool HoldsUnsavedEdits() const;

    std::string LevelPath() const;
    std::string LevelPath(const std::string& name) const;

    // The interface's named keys under the Windows virtual-key codes that the window system
    // records key state with.
    static void SetupImGuiKeyMap();
    void BuildObjectTypeNames();
    // The object type's name, or "Unknown (n)" for a number the table does not name.
    std::string TypeLabel(int type) const;

    // Files (EditorFiles.cpp). Each is written only when the editor holds something new for it,
    // joined with what the file holds by then (the list and the prefabs), so another program's
    // change stays in it.
    void LoadLevelNameList();
    bool SaveLevelNameList();
    void LoadEditorSetting();
    bool SaveEditorSetting();
    void LoadPrefabs();
    bool SavePrefabs();
    // The editor's files whose last write failed, as the menu bar names them ("" when none).
    std::string UnwrittenFiles() const;

    // Scene operations behind the menu and screens (EditorMenu.cpp).
    void NewScene();
    void OpenScene(const std::string& name);
    // Saves the object list as level name; false (with saveMessage set) when the name is
    // refused or the file could not be written; only a written level joins the list.
    // Whether asking first is wanted is the screens' business (SaveNeedsConfirm).
    bool SaveScene(const std::string& name);
    // A file of that name is listed or already stands in the level folder.
    bool SaveNeedsConfirm(const std::string& name) const;
    // The save would replace the opened level's file, which was read only in part.
    bool SaveKeepsLevelAside(const std::string& name) const;
    // What the question before saving over name's file says will happen to it: kept aside as
    // read in part or changed on disk since the editor read or wrote it ("" when neither).
    std::string SaveOverNote(const std::string& name) const;
    // The red lines of the menu bar, one notice a line: a level read in part or not saved, a
    // damaged or unreadable list, files not written.
    std::string FileWarnings() const;

    // Camera and picking (EditorCamera.cpp).
    // The interface holds the mouse: it is over a window, or a press that began on one (a
    // slider, a scrollbar, a resize grip) is still held. The world behind then stays as it is.
    static bool InterfaceHasMouse();
    void UpdateCameraPanZoom();
    void PickObject();
    static bool CompareDepth(const std::shared_ptr<GameObject>& a, const std::shared_ptr<GameObject>& b);
    template <class It>
    void CollectComponentNames(It first, It last)
    {
        for (; first != last; ++first)
            if (*first)
                componentNames.push_back((*first)->GetName());
    }

    // Object operations (EditorObjects.cpp).
    // Empty when newObjectName is empty (every object has a name).
    std::shared_ptr<GameObject> CreateObject();
    // A link held by a name follows it: the object's children take the new name as their parent
    // name. Refused, with a line on the console, for an empty name and for one under which a
    // saved level read back would link objects otherwise than the editor does.
    bool RenameObject(const std::shared_ptr<GameObject>& object, const std::string& name);
    // Links the object under the object a read-back would link parentName to (the first in file
    // order holding it). A name that no object holds, its own name, or an object with children
    // leaves a root, as SetParent does; a link that a read-back would not make, or that would undo
    // another one, is refused and the object stays as it was. Each refusal says so on the console.
    bool SetParentNamed(const std::shared_ptr<GameObject>& object, const std::string& parentName);
    std::shared_ptr<GameObject> DuplicateSelected();
    void SaveSelectedAsPrefab();
    // Empty when no prefab is picked.
    std::shared_ptr<GameObject> SpawnPrefab();
    bool AttachComponent(const std::string& typeName);
    bool RemoveComponentNamed(const std::string& typeName);
    void DeleteSelected();
    void FocusCameraOn(const GameObject& object);

    // Panels, in frame order.
    void DrawMainMenuBar();
    // The modal screens and questions, in both modes (the open and save screens only while
    // editing), after the panels; the quit question stands over whichever is open.
    void DrawScreens();
    void DrawOpenSceneScreen();
    void DrawSaveSceneScreen();
    void DrawQuitQuestion();
    // Takes the quit question down, asked for or showing (leaving the editor answers it).
    void EndQuitQuestion();
    // Drops every screen asked for before (one shows at a time) and asks for `screen` (none
    // for the texture picker).
    void AskForScreen(bool* screen);
    // A screen or question shows (or is asked for this frame): the editor's keys and the level
    // view's clicks and drags are then its, not the editor's.
    bool ScreenOpen() const;
    void DrawHierarchy();
    void DrawCreateGameObject();
    void DrawSpriteChange();
    void DrawEntityList();
    void DrawInspector();
    // The selected object's fields, panels and operations, inside the "Inspector" window.
    void DrawObjectPanels(const std::shared_ptr<GameObject>& object);
    void ReadFunctionKeys();  // F1 outlines, F12 play mode
    void HandleShortcuts();
    void DrawGizmo();
    void DrawPrefabWindow();
    void DrawPerformanceVisualizer(float dt);

    // The gizmo's drag for this frame (EditorGizmo.cpp); split from the input reads for tests.
    // While the interface holds the mouse no handle is grabbed and a drag under way ends.
    void StepGizmo(bool leftDown, bool shiftDown, bool shiftPressed, bool interfaceHasMouse = false);

    std::string levelName = "Level1";
    std::vector<std::string> levelNames;
    bool playMode = false;
    bool newSceneRequested = false;
    bool quitQuestion = false;
    bool showCreateMenu = false;
    bool cameraFocusSelected = false;
    bool autoSnap = false;
    bool showSpriteChange = false;
    std::string chosenTextureName = "Choose Texture";
    char searchText[256] = {};
    int searchMode = 0;
    int searchObjectType = 999;
    int openSceneIndex = 0;
    bool openSceneScreen = false;
    bool openSceneConfirm = false;
    char saveSceneName[256] = {};
    bool saveSceneScreen = false;
    bool saveSceneConfirm = false;
    std::string saveMessage;
    // Told by the question before saving over a file, worked out as it is asked.
    std::string saveOverNote;
    // What the last save did beyond writing the level (a file kept aside, the list not written),
    // shown in the menu bar once the screen has closed, for a while or until the next screen.
    std::string saveNews;
    float saveNewsSeconds = 0.0f;
    // The opened level's file is there but was not read to its end line (the reader stopped at
    // a fault, or could read none of it: levelUnread): the scene holds only the objects before
    // it. The menu bar says so, and the first save over that file keeps the file as it was beside
    // it and makes the level whole.
    EditorFileState levelFile;
    bool levelUnread = false;
    // The editor's own files; one whose write failed keeps what the editor held for it.
    EditorFileState levelList;
    EditorFileState styleFile;
    EditorFileState prefabFile;
    EditorFileStore files;
    // Levels saved in this visit that the list file may not hold yet: joined into it at the next
    // write, and kept through a failed one.
    std::vector<std::string> unlistedNames;
    PerformanceHistory performance;
    std::shared_ptr<GameObject> selectedObject;
    std::map<int, std::string> objectTypeNames;
    std::vector<std::string> componentNames;
    std::shared_ptr<GameObject> selectedPrefab;
    std::vector<std::shared_ptr<GameObject>> prefabs;
    Vector2 mouseScreenPos;
    Vector2 mouseWorldPos;
    // Grows with what is typed: a long name is made whole, never cut at a buffer's end.
    std::string newObjectName = "GameObject";
    float newObjectPosition[3] = {0.0f, 0.0f, 0.0f};
    float newObjectScale[2] = {7.0f, 7.0f};
    int newObjectType = 999;
    bool gizmoDragging = false;
    bool f1Down = false;
    bool f12Down = false;
    // The selection whose handle was drawn under the mouse with the button up last frame: only
    // that handle can be grabbed, so the click that selects an object never moves it.
    std::weak_ptr<GameObject> gizmoArmedOn;
    int gizmoTool = 99;
    int gizmoDragMode = 99;
    Vector2 dragOffset;
    Vector2 dragStartScale;
    float dragScaleRatio = 0.0f;
    float dragStartAngle = 0.0f;
    float snapStep = 7.0f;
    float snapAnchor = 0.0f;
    // Collider outlines shown (F1); shown over the objects, never written into them.
    bool showColliders = true;

    // The editor's files, relative to the working folder.
    std::string levelFolder = "../resources/level/";
    std::string levelListPath = "../resources/level/TxtName.txt";
    std::string settingPath = "../resources/level/Editor/EditorSetting.txt";
    std::string prefabPath = "../resources/prefab/PrefabName.txt";

    StyleFile::SpareColours spareColours{};
    // Objects taken out of the scene during this visit. Components elsewhere may still hold
    // one of their components, whose owner pointer must stay valid until the scene ends.
    std::vector<std::shared_ptr<GameObject>> removedObjects;

private:
    // Every listed object's Init and parent link, with what the file held kept aside.
    void InitLevelObjects();
    // The level as the designer left it (see LevelBaseline), its objects in the order given.
    std::string EditedLevelText(const std::string& name, const std::vector<std::shared_ptr<GameObject>>& objects) const;
    // The listed objects that a level keeps, in the order they were read or made (ids ascend
    // so): the scene sorts the list by depth every frame, and a save keeps the file's order.
    static std::vector<std::shared_ptr<GameObject>> ObjectsInFileOrder();
    // Play mode runs the scripts on the edited objects themselves: the level as edited (and
    // the selection) is kept when play starts and put back when it stops, or on the next visit
    // when the editor was left (until a level is opened or made).
    void KeepOrRestoreEditedLevel();
    void KeepEditedLevel();
    void RestoreEditedLevel();
    // The kept level in place of the list, and its selection; Init is the caller's.
    void ReadEditedLevel();
    static void StopSounds();
    void RunEditingUpdates(float dt);
    void FeedInterface(float dt);
    void DrawEditingPanels(float dt);
    void DrawStyleSettings();
    bool TypeListPopup(const char* popupName, int& type);
    static void CloseUndrawnPopups();
    // Says a copy that a write of one of the editor's files kept aside in the menu bar.
    void TellKept(const std::string& path, const EditorFileStore::Outcome& outcome);

    InterfaceRenderer renderer;
    LevelBaseline baseline;
    OpeningFade openingFade;
    std::optional<std::string> editedLevel;
    long editedSelection = -1;
    // The level as a save would write it, when last read from its file or saved.
    std::optional<std::string> savedLevel;
    // The editor was left: the next entry reads editedLevel, not the file.
    bool resumeEditedLevel = false;
    EntityFilter filter;
    FocusTypeAhead typeAhead;
    float wheel = 0.0f;
    bool prefabsRead = false;
    // Each prefab as the file held it when read or last written: one the editor holds otherwise
    // was made or replaced in this visit.
    std::set<std::string> prefabsAsRead;
    // Read once a visit; the style as it was then, or as last written.
    bool styleRead = false;
    std::string styleAsRead;
    bool quitQuestionDrawn = false;
};

// Every type name of the component type table, in the table's (byte) order.
std::vector<std::string> GetComponentNames();
