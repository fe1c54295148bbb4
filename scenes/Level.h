#pragma once

#include <memory>
#include <string>

#include "engine/Scene.h"
#include "scenes/PictureButton.h"

class GameObject;

// Scene 3, the game proper: the first level or the save file, every component run each frame,
// and the pause menu on Escape (resume, how to play, quit with a confirmation); F9 goes back
// to the main menu.
class Level : public Scene {
public:
    explicit Level(int id);
    ~Level() override;

    void Init() override;
    void Update(float dt) override;
    // Level1 for a new game or a plain start, the save file to continue (Level1 again when the
    // save cannot be read whole, the save then kept aside as ".broken" and the player told on
    // screen for a while); then the path-finding tables are rebuilt for what was read. While a
    // level read only in part plays, no checkpoint writes the save.
    void Load() override;
    // Whatever the level left playing (its music, looping machines and themes) ends with it,
    // whichever way the player leaves.
    void Unload() override;

    std::string levelPath = "../resources/level/Level1.txt";
    std::string savePath = "../resources/save/SaveData.txt";

    bool paused = false;
    std::shared_ptr<GameObject> tbc;
    std::shared_ptr<GameObject> gameController;
    std::shared_ptr<GameObject> sound;
    std::shared_ptr<GameObject> howToPlayPicture;
    std::shared_ptr<GameObject> resumeButton;
    std::shared_ptr<GameObject> howToPlayButton;
    std::shared_ptr<GameObject> quitButton;
    std::shared_ptr<GameObject> yesButton;
    std::shared_ptr<GameObject> noButton;
    std::shared_ptr<GameObject> confirmation;
    std::shared_ptr<GameObject> camera;
    bool howToPlayOpen = false;
    bool quitConfirmationOpen = false;
    bool musicStarted = false;
    PictureButton resume;
    PictureButton howToPlay;
    PictureButton quit;
    PictureButton yes;
    PictureButton no;

private:
    bool LoadSave();
    // Tells the player why Continue began a new game, and where the save went; fault is what is
    // wrong with the save, empty when it could not be read at all.
    void ShowUnreadSave(bool kept, const std::string& keptAs, const std::string& fault);
    // Only while the game runs: the player reads it over the play, not over the pause menu.
    void CountSaveNotice(float dt);
    void HideMenu();
    void ShowMenu();
    // Back to the pause menu's buttons, the question behind them hidden.
    void CloseQuitConfirmation();
    void UpdateButtons();
    void HandleKeys();

    // Seconds left of the notice that the save could not be read.
    float saveNoticeSeconds = 0.0f;
};
