#pragma once

#include <string>
#include <vector>

#include "engine/Matrix4.h"
#include "engine/ScreenNotice.h"

// A file a scene holds something for that its last write could not store.
struct UnwrittenFile {
    std::string owner;  // who holds it, as the console names it ("Editor")
    std::string file;   // as the player reads its name ("PrefabName.txt")
    std::string why;    // why the write failed
    std::string lost;   // what ending the run now loses
};

// Base of every scene. A scene fills the global object list in Load, sets its objects up in
// Init, runs them in Update and clears them in Unload.
class Scene {
public:
    explicit Scene(int id);
    virtual ~Scene();
    virtual void Init();
    virtual void Update(float dt);
    virtual void Load();
    // Called at the end of the frame set-up with the frame's matrices.
    virtual void Draw(Matrix4& projection, Matrix4& view);
    // Called on the current scene after its Unload when the program ends.
    virtual void Shutdown();
    // Empties the global object list.
    virtual void Unload();
    // Left Ctrl+Escape came: true when the scene asks first, as it holds work that quitting
    // would lose, and ends the run itself on yes; false lets the chord quit at once.
    virtual bool AskBeforeQuit();
    // The run is about to end, whichever scene is entered: writes again what a failed write left
    // waiting and tells what still cannot be written. A scene never entered holds nothing and
    // writes nothing.
    virtual std::vector<UnwrittenFile> WriteWhatWaits();
    // What waits unwritten now, without a try.
    virtual std::vector<UnwrittenFile> WhatWaits() const;

    int GetId() const { return sceneId; }

    // The level file this visit could not read whole ("" when it was read): the scene system
    // lets Left Ctrl+Escape quit, whatever the scene does with Escape.
    const std::string& UnreadLevel() const { return unreadLevel; }
    // The objects playing are only part of their level file: a save of them would write half a
    // world over a whole one, so no checkpoint saves.
    virtual bool LevelReadInPart() const { return !unreadLevel.empty(); }
    // What the scene system prints over the scene ("" for nothing): that the level file could
    // not be read, or else what the scene itself has to tell the player.
    std::string Notice() const;
    // White for what happened to the level file, else the colour the scene gave its notice.
    NoticeColour NoticeColourShown() const;
    // Called before each Load.
    void ForgetNotices()
    {
        unreadLevel.clear();
        notice.clear();
    }

protected:
    // LoadLevel, noting a file that could not be read whole.
    void ReadLevel(const std::string& name, const std::string& path);
    // Printed over the scene until replaced or cleared with "".
    void ShowNotice(const std::string& text, NoticeColour colour = NoticeColour::White)
    {
        notice = text;
        noticeColour = colour;
    }

    // The start of every scene's Init: each listed object's components get their Init, in
    // order, then the object is linked to its parent by name (the level reader does neither).
    static void InitObjects();

    // No debug outline of a collider is drawn in the game's scenes.
    static void HideColliderOutlines();

    // Every component's Update, objects in list order. The object count is taken at the start:
    // objects appended meanwhile run from the next frame, and a list emptied by a component
    // ends the walk. Each object and component is held while it runs.
    static void UpdateObjects(float dt);

    bool constructed = false;
    int sceneId = 0;

private:
    std::string unreadLevel;
    // It was read to an end line that more text follows, not stopped at a fault.
    bool unreadLevelGoesOn = false;
    std::string notice;
    NoticeColour noticeColour = NoticeColour::White;
};
