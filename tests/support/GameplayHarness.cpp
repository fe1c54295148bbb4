#include "support/GameplayHarness.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "audio/AudioSystem.h"
#include "engine/Camera.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/Random.h"
#include "engine/SceneRequests.h"
#include "engine/SceneSystem.h"
#include "gameplay/GameController.h"
#include "gameplay/LookUp.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightPacking.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "platform/SoundSystem.h"
#include "scenes/Level.h"
#include "sound/SoundTestFiles.h"

namespace testsupport {

void GameplayHarness::SetUp()
{
    HeldKeysTest::SetUp();
    tree = std::make_unique<TempResourceTree>(std::initializer_list<std::string>{
        "SerializedKeys.txt", "KeyboardActionMap.txt", "sfx/sfx.txt", "bgm/bgm.txt"});
    WriteToneFiles();
    std::filesystem::create_directories(tree->Resources() / "level");
    std::filesystem::create_directories(tree->Resources() / "save");

    ResetSceneRequests();
    DestroyAll();
    ResetMissingReports();
    Framework::ResetRand();
    gChaseActive = false;
    gLightsDirty = true;
    gAmbientLight = 0.0f;

    gInputSystem->inputEnabled = true;
    gInputSystem->mouseX = 960;
    gInputSystem->mouseY = 540;
    gInputSystem->LoadKeyMaps();

    Platform::SoundSystem::SetBackendKind(Platform::SoundBackendKind::Null);
    gAudioSystem->Init();
    gAudioSystem->onPlay = [this](const std::string& name, bool) { soundsPlayed.push_back(name); };

    gSceneSystem->CreateScenes();
    gSceneSystem->ResetIds();
}

void GameplayHarness::TearDown()
{
    if (gSceneSystem->GetCurrentScene())
        gSceneSystem->GetCurrentScene()->Unload();
    DestroyAll();
    gSceneSystem->scenes.clear();
    gSceneSystem->ResetIds();
    gAudioSystem->onPlay = nullptr;
    gAudioSystem->Shutdown();
    Platform::SoundSystem::SetBackendKind(Platform::SoundBackendKind::Mixer);
    ResetSceneRequests();
    *gCamera = Framework::Camera();
    tree.reset();
    HeldKeysTest::TearDown();
}

void GameplayHarness::WriteToneFiles()
{
    // Every listed sound gets a short tone at its listed path; music plays longer.
    for (const char* list : {"sfx/sfx.txt", "bgm/bgm.txt"}) {
        std::istringstream entries(tree->ReadFile(std::string("resources/") + list));
        std::string name;
        std::string path;
        const bool music = std::string(list).rfind("bgm", 0) == 0;
        while (entries >> name >> path) {
            const std::filesystem::path file = tree->Work() / path;
            SoundTest::WriteTone(file.parent_path().string(), file.filename().string(), music ? 2.0f : 0.25f);
        }
    }
}

void GameplayHarness::StartLevel(const std::string& levelText)
{
    tree->WriteFile("resources/level/Level1.txt", levelText);
    EnterLevel(false);
}

void GameplayHarness::StartBuiltLevel()
{
    ASSERT_TRUE(SaveLevel("Level1", (tree->Resources() / "level" / "Level1.txt").string()));
    DestroyAll();
    EnterLevel(false);
}

void GameplayHarness::StartShippedLevel()
{
    std::ifstream shipped(std::string(VESPERINE_SOURCE_DIR) + "/resources/level/Level1.txt");
    std::ostringstream text;
    text << shipped.rdbuf();
    StartLevel(text.str());
}

void GameplayHarness::StartShippedLevelAwake()
{
    StartShippedLevel();
    for (int guard = 0; guard < 10 && DialogueOpen(); ++guard)
        AdvanceDialogue();
    ASSERT_FALSE(DialogueOpen()) << "his waking thoughts never closed";
}

void GameplayHarness::UseShippedLevelFile(const std::string& name)
{
    std::ifstream shipped(std::string(VESPERINE_SOURCE_DIR) + "/resources/level/" + name + ".txt");
    std::ostringstream text;
    text << shipped.rdbuf();
    tree->WriteFile("resources/level/" + name + ".txt", text.str());
}

void GameplayHarness::EnterScene(int sceneId)
{
    if (gSceneSystem->GetCurrentScene() && gSceneSystem->previousScene == gSceneSystem->currentScene)
        gSceneSystem->GetCurrentScene()->Unload();
    gSceneSystem->currentScene = sceneId;
    gSceneSystem->previousScene = SceneId::None;
    Step();
}

void GameplayHarness::PointMouseAtWorld(float x, float y, float camX, float camY, float zoom)
{
    PointMouse(static_cast<int>(std::lround((x - camX) * zoom + 960.0f)),
               static_cast<int>(std::lround(540.0f - (y - camY) * zoom)));
}

void GameplayHarness::ClickAtWorld(float x, float y)
{
    PointMouseAtWorld(x, y);
    Step();
    Press(Framework::Keys::MouseLeft);
    Step();
    Release(Framework::Keys::MouseLeft);
    Step();
}

void GameplayHarness::EnterLevel(bool continueFromSave)
{
    gContinueGame = continueFromSave;
    gNewGame = !continueFromSave;
    EnterScene(SceneId::Level);
}

void GameplayHarness::Step(int frames)
{
    for (int i = 0; i < frames; ++i)
        StepWith(kDt);
}

void GameplayHarness::StepWith(float dt)
{
    gInputSystem->Update(dt);
    gAudioSystem->Update(dt);
    gSceneSystem->Update(dt);
}

void GameplayHarness::StepSeconds(float seconds)
{
    Step(static_cast<int>(seconds / kDt + 0.5f));
}

void GameplayHarness::Hold(const std::string& action)
{
    const int key = gInputSystem->ActionKeyIndex(action);
    ASSERT_GE(key, 0) << action << " is not bound";
    Press(key);
}

void GameplayHarness::Let(const std::string& action)
{
    const int key = gInputSystem->ActionKeyIndex(action);
    ASSERT_GE(key, 0) << action << " is not bound";
    Release(key);
}

void GameplayHarness::Tap(const std::string& action)
{
    Hold(action);
    Step();
    Let(action);
    Step();
}

void GameplayHarness::PointMouse(int x, int y)
{
    gInputSystem->mouseX = static_cast<std::int16_t>(x);
    gInputSystem->mouseY = static_cast<std::int16_t>(y);
}

void GameplayHarness::PointMouseFromPlayer(float dx, float dy)
{
    // The player is at the screen centre while the camera follows him.
    PointMouse(960 + static_cast<int>(dx), 540 - static_cast<int>(dy));
}

std::string GameplayHarness::DialogueText() const
{
    return Controller().shownText;
}

bool GameplayHarness::DialogueOpen() const
{
    return Controller().dialogueActive;
}

void GameplayHarness::AdvanceDialogue()
{
    GameController& controller = Controller();
    ASSERT_TRUE(StepUntil([&] {
        const int line = controller.lineIndex;
        return line < static_cast<int>(controller.dialogueLines.size()) &&
               controller.charIndex >= static_cast<int>(controller.dialogueLines[static_cast<std::size_t>(line)].text.size());
    })) << "the line never finished typing";
    Tap("ACTION_INTERACT");
}

void GameplayHarness::Answer(bool yes)
{
    GameController& controller = Controller();
    // Through the question's lines first, then the choice.
    for (int guard = 0; guard < 100 && !controller.choiceShown; ++guard) {
        if (controller.lineIndex < static_cast<int>(controller.dialogueLines.size()))
            AdvanceDialogue();
        else
            Step();
    }
    ASSERT_TRUE(controller.choiceShown) << "no choice was shown";
    Tap(yes ? "ACTION_LEFT" : "ACTION_RIGHT");
    Tap("ACTION_INTERACT");
}

std::shared_ptr<GameObject> GameplayHarness::Object(const std::string& name) const
{
    return FindObjectByName(name);
}

GameController& GameplayHarness::Controller() const
{
    const auto object = FindObjectByName("GameController");
    const auto controller = object ? object->GetComponent<GameController>() : nullptr;
    if (!controller)
        throw std::runtime_error("the level has no GameController");
    return *controller;
}

PlayerBehaviour& GameplayHarness::Player() const
{
    const auto object = FindObjectByName("Player");
    const auto behaviour = object ? object->GetComponent<PlayerBehaviour>() : nullptr;
    if (!behaviour)
        throw std::runtime_error("the level has no PlayerBehaviour");
    return *behaviour;
}

Transform& GameplayHarness::TransformOf(const std::string& name) const
{
    const auto object = FindObjectByName(name);
    const auto transform = object ? object->GetComponent<Transform>() : nullptr;
    if (!transform)
        throw std::runtime_error("no Transform on \"" + name + "\"");
    return *transform;
}

Vector3 GameplayHarness::PlayerPosition() const
{
    return TransformOf("Player").GetPosition();
}

float GameplayHarness::Alpha(const std::string& name) const
{
    const auto object = FindObjectByName(name);
    const auto sprite = object ? object->GetComponent<Sprite>() : nullptr;
    if (!sprite)
        throw std::runtime_error("no Sprite on \"" + name + "\"");
    return sprite->transparency;
}

int GameplayHarness::RequestedScene() const
{
    return gSceneSystem->nextScene;
}

int GameplayHarness::CountPlays(const std::string& name) const
{
    return static_cast<int>(std::count(soundsPlayed.begin(), soundsPlayed.end(), name));
}

}  // namespace testsupport
