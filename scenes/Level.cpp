#include "scenes/Level.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <system_error>

#include "ai/PathFindingSystem.h"
#include "audio/Audio.h"
#include "audio/AudioSystem.h"
#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/LoggingSystem.h"
#include "engine/SceneRequests.h"
#include "engine/SceneSystem.h"
#include "gameplay/Checkpoint.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "graphics/LightPacking.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "platform/BrokenCopy.h"

namespace {
// Time to read it twice, then it leaves the play alone. Counted in seconds at any frame rate;
// a frame longer than half a second (the stall of loading the level) counts for half a second.
constexpr float kSaveNoticeSeconds = 10.0f;
constexpr float kLongestCountedFrame = 0.5f;

// Shown menu objects stand at depth 4 and opaque, hidden ones at depth 0 and clear.
void Show(const std::shared_ptr<GameObject>& object, bool shown)
{
    if (!object)
        return;
    if (const std::shared_ptr<Transform> transform = object->GetComponent<Transform>())
        transform->position.z = shown ? 4.0f : 0.0f;
    if (const std::shared_ptr<Sprite> sprite = object->GetComponent<Sprite>())
        sprite->transparency = shown ? 1.0f : 0.0f;
}

bool Showing(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Transform> transform = object ? object->GetComponent<Transform>() : nullptr;
    return transform && transform->position.z > 0.0f;
}

// Holds what the console is told while it lives.
class HeldConsole {
public:
    HeldConsole() : previous(std::cout.rdbuf(held.rdbuf())) {}
    ~HeldConsole() { std::cout.rdbuf(previous); }
    HeldConsole(const HeldConsole&) = delete;
    HeldConsole& operator=(const HeldConsole&) = delete;
    std::string Text() const { return held.str(); }

private:
    std::ostringstream held;
    std::streambuf* previous;
};

// Console lines as one, joined by "; ".
std::string OneLine(std::string lines)
{
    while (!lines.empty() && lines.back() == '\n')
        lines.pop_back();
    for (std::size_t at = lines.find('\n'); at != std::string::npos; at = lines.find('\n', at))
        lines.replace(at, 1, "; ");
    return lines;
}
}  // namespace

Level::Level(int id) : Scene(id) {}

Level::~Level() = default;

bool Level::LoadSave()
{
    std::error_code ec;
    if (!std::filesystem::exists(savePath, ec)) {
        Framework::ReportError("No save file at " + savePath + "; starting a new game");
        return false;
    }
    // The reader's words on a fault would say only that it stopped; they are told once, with what
    // the game does about it.
    FileRead read = FileRead::Unread;
    std::string readerSaid;
    {
        const HeldConsole console;
        read = LoadLevelFile("SaveData", savePath);
        readerSaid = console.Text();
    }
    // Read whole, anything it said stands on its own.
    if (read == FileRead::Whole) {
        std::cout << readerSaid;
        readerSaid.clear();
    }
    if (read == FileRead::Whole && FindObjectByName("Player"))
        return true;
    // A save read only in part (or holding no player) would be half a world, which the next
    // checkpoint would write over the save: a new game starts, and the save is kept aside first.
    const bool goesOn = read == FileRead::GoesOn;
    const bool noPlayer = read == FileRead::Whole;
    Framework::ReportError("The save file " + savePath +
                           (noPlayer ? " holds no Player" : read == FileRead::Unread ? " could not be read" : " was not read whole") +
                           (readerSaid.empty() ? "" : " (" + OneLine(readerSaid) + ")") + "; starting a new game");
    DestroyAll();
    // Its bytes are copied, not linked: no write follows at once, and a copy sharing the file
    // would change with it if it were edited in place before the next checkpoint replaces it.
    std::string keptAs;
    std::string error;
    const bool kept = Platform::KeepBrokenCopy(savePath, keptAs, error);
    Checkpoint::NoteDamagedSave(savePath, kept);
    if (kept)
        Framework::ReportError("The save file as it was is kept as " + keptAs);
    else
        Framework::ReportError("The save file could not be kept aside (" + error +
                               "); the next checkpoint tries again, and writes over it if it still cannot");
    ShowUnreadSave(kept, keptAs, goesOn ? "goes on after its end line." : noPlayer ? "holds no player." : "");
    return false;
}

void Level::ShowUnreadSave(bool kept, const std::string& keptAs, const std::string& fault)
{
    ShowNotice((fault.empty() ? "Could not read the save file\n" + savePath : "The save file\n" + savePath + "\n" + fault) +
               "\nA new game began; " +
               (kept ? "the save is kept as\n" + keptAs
                     : std::string("the save could not be kept aside;\nthe next checkpoint tries again\nbefore it writes over it.")));
    saveNoticeSeconds = kSaveNoticeSeconds;
}

void Level::Load()
{
    // What describes a running level starts afresh with every load, save or not.
    gChaseActive = false;
    gAmbientLight = 0.0f;
    gLightsDirty = true;
    ResetMissingReports();
    saveNoticeSeconds = 0.0f;

    if (gNewGame) {
        gNewGame = false;
        ReadLevel("Level1", levelPath);
    } else if (gContinueGame) {
        gContinueGame = false;
        if (!LoadSave())
            ReadLevel("Level1", levelPath);
    } else {
        ReadLevel("Level1", levelPath);
    }
    gPathFindingSystem->Init();
}

void Level::Unload()
{
    if (gAudioSystem)
        gAudioSystem->StopAll();
    Scene::Unload();
}

void Level::Init()
{
    gCamera->Update();
    InitObjects();
    resumeButton = FindObjectByName("ResumeGame");
    howToPlayButton = FindObjectByName("HowToPlay");
    quitButton = FindObjectByName("QuitGame");
    camera = FindObjectByName("Camera");
    howToPlayPicture = FindObjectByName("HTP");
    yesButton = FindObjectByName("Yes");
    noButton = FindObjectByName("No");
    confirmation = FindObjectByName("AreYouSure");
    tbc = FindObjectByName("TBC");
    gameController = FindObjectByName("GameController");
    sound = FindObjectByName("WorldSFX");
    HideColliderOutlines();
    // Each visit starts playing: a level left while paused must not come back paused.
    paused = false;
    howToPlayOpen = false;
    quitConfirmationOpen = false;
    musicStarted = false;
    resume = howToPlay = quit = yes = no = PictureButton();
}

void Level::CountSaveNotice(float dt)
{
    if (saveNoticeSeconds <= 0.0f)
        return;
    // A frame of no known length (not a number, or backwards) counts nothing.
    if (dt > 0.0f)
        saveNoticeSeconds -= std::min(dt, kLongestCountedFrame);
    if (saveNoticeSeconds <= 0.0f)
        ShowNotice("");
}

void Level::HideMenu()
{
    for (const auto* object : {&resumeButton, &howToPlayButton, &quitButton, &howToPlayPicture, &yesButton,
                               &noButton, &confirmation})
        Show(*object, false);
}

void Level::Update(float dt)
{
    if (!musicStarted) {
        if (const std::shared_ptr<Audio> music = gameController ? gameController->GetComponent<Audio>() : nullptr)
            music->Play();
        musicStarted = true;
    }
    if (!paused) {
        CountSaveNotice(dt);
        HideMenu();
        howToPlayOpen = false;
        quitConfirmationOpen = false;
        UpdateObjects(dt);
    }

    HandleKeys();
    if (!paused)
        return;

    ShowMenu();
    UpdateButtons();
    // While paused only the menu's own buttons run.
    for (const auto* object : {&resumeButton, &howToPlayButton, &quitButton, &yesButton, &noButton}) {
        if (*object)
            (*object)->Update(dt);
    }
}

void Level::HandleKeys()
{
    if (gInputSystem->IsKeyDown(Framework::Keys::F9))
        gLevelToMenu = true;
    if (gInputSystem->IsKeyTriggered(Framework::Keys::Escape)) {
        // The press is used up either way: a lock's end must not pause the game after it.
        const std::shared_ptr<GameObject> object = FindObjectByName("GameController");
        const std::shared_ptr<GameController> controller = object ? object->GetComponent<GameController>() : nullptr;
        if (!controller || !controller->playerLocked)
            paused = !paused;
    }
}

void Level::ShowMenu()
{
    if (!howToPlayOpen) {
        Show(resumeButton, true);
        Show(howToPlayButton, true);
        Show(quitButton, true);
    }
    if (quitConfirmationOpen) {
        Show(resumeButton, false);
        Show(howToPlayButton, false);
        Show(quitButton, false);
        Show(howToPlayPicture, false);
        if (tbc) {
            if (const std::shared_ptr<Transform> transform = tbc->GetComponent<Transform>())
                transform->position.z = 3.0f;
        }
        Show(yesButton, true);
        Show(noButton, true);
        Show(confirmation, true);
    }
}

void Level::CloseQuitConfirmation()
{
    quitConfirmationOpen = false;
    for (const auto* object : {&yesButton, &noButton, &confirmation})
        Show(*object, false);
    if (const std::shared_ptr<Transform> transform = tbc ? tbc->GetComponent<Transform>() : nullptr)
        transform->position.z = 0.0f;
    ShowMenu();
}

void Level::UpdateButtons()
{
    const Vector2 pointer = PointerInWorld(camera);
    // A hidden button never reacts.
    auto over = [&](PictureButton& button, const std::shared_ptr<GameObject>& object) {
        if (!Showing(object)) {
            ShowButtonFrame(object, 0);
            button.hovering = false;
            return false;
        }
        return button.Hover(object, pointer, sound) && PictureButton::Clicked();
    };
    if (over(resume, resumeButton)) {
        ShowButtonFrame(resumeButton, 0);
        PlayMenuSound(sound, "menu_accept");
        paused = false;
    }
    if (over(howToPlay, howToPlayButton)) {
        Show(howToPlayPicture, true);
        ShowButtonFrame(howToPlayButton, 0);
        Show(resumeButton, false);
        Show(howToPlayButton, false);
        Show(quitButton, false);
        PlayMenuSound(sound, "menu_accept");
        howToPlayOpen = true;
    }
    if (over(quit, quitButton)) {
        ShowButtonFrame(quitButton, 0);
        PlayMenuSound(sound, "menu_accept");
        quitConfirmationOpen = true;
    }
    if (over(yes, yesButton)) {
        ShowButtonFrame(yesButton, 0);
        PlayMenuSound(sound, "menu_accept");
        // What the editor could not write is written first; what still cannot be asks over the
        // pause menu, which stands as after a no.
        if (!gSceneSystem || gSceneSystem->MayQuit()) {
            gQuitFromPause = true;
            paused = false;
        } else {
            CloseQuitConfirmation();
        }
    }
    if (over(no, noButton)) {
        ShowButtonFrame(noButton, 0);
        PlayMenuSound(sound, "menu_accept");
        paused = false;
    }
}
