#include "scenes/MainMenu.h"

#include "audio/Audio.h"
#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/SceneRequests.h"
#include "engine/SceneSystem.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"

namespace {
void SetAlpha(const std::shared_ptr<GameObject>& object, float alpha)
{
    if (const std::shared_ptr<Sprite> sprite = object ? object->GetComponent<Sprite>() : nullptr)
        sprite->transparency = alpha;
}
}  // namespace

MainMenu::MainMenu(int id) : Scene(id) {}

MainMenu::~MainMenu() = default;

void MainMenu::Load()
{
    ReadLevel("Main", "../resources/level/Main.txt");
}

void MainMenu::Init()
{
    gCamera->Update();
    InitObjects();
    camera = FindObjectByName("Camera");
    music = FindObjectByName("SplashBGM");
    sound = FindObjectByName("SplashSFX");
    startButton = FindObjectByName("ButtonStart");
    creditsButton = FindObjectByName("ButtonCredits");
    quitButton = FindObjectByName("ButtonQuit");
    howToPlayButton = FindObjectByName("ButtonHTP");
    creditsPanel = FindObjectByName("Credits");
    howToPlayPanel = FindObjectByName("HTP");
    HideColliderOutlines();
    // Each visit starts at the bare menu: a panel left open on the way out would leave every
    // button dead while the freshly loaded panels are hidden.
    panelOpen = false;
    start = credits = quit = howToPlay = PictureButton();
    if (const std::shared_ptr<Audio> audio = music ? music->GetComponent<Audio>() : nullptr)
        audio->Play();
}

void MainMenu::Update(float dt)
{
    // Left Shift+F6 with a failed write comes here: said until it is written.
    const std::string waiting = gSceneSystem ? gSceneSystem->FilesWaiting() : std::string();
    // Short lines, left of the buttons.
    ShowNotice(waiting.empty() ? ""
                               : "Not written: " + waiting +
                                     "\n(see the console);\nthe editor keeps it and\nwrites it at the next visit\nor "
                                     "when the game ends.",
               NoticeColour::Red);
    UpdateObjects(dt);
    if (!panelOpen && UpdateButtons())
        return;  // the scene is emptied: none of its objects may be touched

    // Escape belongs to the menu, so Left Ctrl+Escape never quits from here: the Quit button does.
    if (gInputSystem->IsKeyTriggered(Framework::Keys::Escape) && panelOpen) {
        panelOpen = false;
        SetAlpha(howToPlayPanel, 0.0f);
        SetAlpha(creditsPanel, 0.0f);
        PlayMenuSound(sound, "menu_accept");
    }
}

void MainMenu::OpenPanel(const std::shared_ptr<GameObject>& panel)
{
    PlayMenuSound(sound, "menu_accept");
    SetAlpha(panel, 1.0f);
    panelOpen = true;
}

void MainMenu::Leave()
{
    for (auto* object : {&camera, &music, &sound, &startButton, &creditsButton, &quitButton, &howToPlayButton,
                         &creditsPanel, &howToPlayPanel})
        object->reset();
    DestroyAll();
}

bool MainMenu::UpdateButtons()
{
    const Vector2 pointer = PointerInWorld(camera);
    if (start.Hover(startButton, pointer, sound) && PictureButton::Clicked()) {
        gStartGame = true;
        PlayMenuSound(sound, "menu_accept");
        if (const std::shared_ptr<Audio> audio = music ? music->GetComponent<Audio>() : nullptr)
            audio->Stop();
        Leave();
        return true;
    }
    if (credits.Hover(creditsButton, pointer, sound) && PictureButton::Clicked())
        OpenPanel(creditsPanel);
    if (howToPlay.Hover(howToPlayButton, pointer, sound) && PictureButton::Clicked())
        OpenPanel(howToPlayPanel);
    if (quit.Hover(quitButton, pointer, sound) && PictureButton::Clicked()) {
        // What the editor could not write is written first; what still cannot be asks, over the
        // menu as it is.
        if (gSceneSystem && !gSceneSystem->MayQuit())
            return false;
        gQuitFromMenu = true;
        Leave();
        return true;
    }
    return false;
}
