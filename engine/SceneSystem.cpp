#include "engine/SceneSystem.h"

#include <GL/glew.h>

#include <string>

#include "editor/Editor.h"
#include "engine/Camera.h"
#include "engine/DepthSort.h"
#include "engine/InputSystem.h"
#include "engine/KeyTable.h"
#include "engine/LoggingSystem.h"
#include "engine/Scene.h"
#include "engine/SceneRequests.h"
#include "engine/ScreenNotice.h"
#include "engine/WindowSystem.h"
#include "graphics/GraphicsSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "objects/TransformContext.h"
#include "scenes/Cutscene.h"
#include "scenes/Ending.h"
#include "scenes/GameOver.h"
#include "scenes/Level.h"
#include "scenes/LevelPTHFD.h"
#include "scenes/MainMenu.h"
#include "scenes/SplashScene.h"

namespace Framework {

namespace {

// Mouse-tracking Transforms read the live engine state through this seam.
void ConnectTransformContext()
{
    TransformContext& context = GetTransformContext();
    context.viewport = [] {
        TransformViewport viewport;
        if (gWindowSystem) {
            viewport.width = gWindowSystem->width;
            viewport.height = gWindowSystem->height;
        }
        if (gGraphicsSystem && gGraphicsSystem->HasContext()) {
            GLint values[4] = {0, 0, 0, 0};
            glGetIntegerv(GL_VIEWPORT, values);
            viewport.x = values[0];
            viewport.y = values[1];
            viewport.width = values[2];
            viewport.height = values[3];
        }
        return viewport;
    };
    context.mousePosition = [] {
        TransformMousePoint point;
        if (gInputSystem) {
            point.x = gInputSystem->mouseX;
            point.y = gInputSystem->mouseY;
        }
        return point;
    };
    context.view = [] { return gGraphicsSystem ? gGraphicsSystem->GetView() : Matrix4(); };
    context.projection = [] { return gGraphicsSystem ? gGraphicsSystem->GetProjection() : Matrix4(); };
    context.windowWidth = [] { return gWindowSystem ? gWindowSystem->width : 1920; };
    context.windowHeight = [] { return gWindowSystem ? gWindowSystem->height : 1080; };
    context.isEditorScene = [] { return gSceneSystem && gSceneSystem->currentScene == SceneId::Editor; };
    context.cameraPosition = [] { return gCamera ? gCamera->GetPosition() : Vector3(); };
}

}  // namespace

SceneSystem::SceneSystem() = default;

SceneSystem::~SceneSystem()
{
    scenes.clear();
}

void SceneSystem::CreateScenes()
{
    scenes[SceneId::Splash] = std::make_shared<SplashScene>(SceneId::Splash);
    scenes[SceneId::MainMenu] = std::make_shared<MainMenu>(SceneId::MainMenu);
    scenes[SceneId::Level] = std::make_shared<Level>(SceneId::Level);
    scenes[SceneId::Editor] = std::make_shared<Editor>(SceneId::Editor);
    scenes[SceneId::Ending] = std::make_shared<Ending>(SceneId::Ending);
    scenes[SceneId::GameOver] = std::make_shared<GameOver>(SceneId::GameOver);
    scenes[SceneId::Cutscene] = std::make_shared<Cutscene>(SceneId::Cutscene);
    scenes[SceneId::PathFindingTest] = std::make_shared<LevelPTHFD>(SceneId::PathFindingTest);
}

void SceneSystem::ResetIds()
{
    quitQuestion = QuitQuestion();
    currentScene = SceneId::Splash;
    nextScene = SceneId::None;
    previousScene = SceneId::None;
}

void SceneSystem::Init()
{
    CreateScenes();
    ResetIds();
    ConnectTransformContext();

    if (gGraphicsSystem && gGraphicsSystem->HasContext()) {
        glShadeModel(GL_SMOOTH);
        glClearDepth(1.0);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    }
}

std::shared_ptr<Scene> SceneSystem::GetCurrentScene() const
{
    const auto it = scenes.find(currentScene);
    return it == scenes.end() ? nullptr : it->second;
}

bool SceneSystem::IsKnownScene(int id) const
{
    const auto it = scenes.find(id);
    return it != scenes.end() && it->second;
}

void SceneSystem::Update(float dt)
{
    timer.Restart();

    if (currentScene != SceneId::Stop) {
        // Enter a scene that has not been entered yet.
        if (currentScene != previousScene) {
            if (currentScene == SceneId::Previous) {
                currentScene = previousScene;
            } else {
                if (auto scene = GetCurrentScene()) {
                    scene->ForgetNotices();
                    scene->Load();
                }
                previousScene = currentScene;
            }
            nextScene = currentScene;
            if (auto scene = GetCurrentScene())
                scene->Init();
        }

        if (currentScene == nextScene && quitQuestion.Open()) {
            // The question takes every key and click; the scene stands as it was.
            quitQuestion.Step();
            if (gGraphicsSystem)
                gGraphicsSystem->BeginFrame();
            quitQuestion.Draw();
        } else if (currentScene == nextScene) {
            const auto scene = GetCurrentScene();
            const bool unread = scene && !scene->UnreadLevel().empty();
            // Taken before the scene can use the Escape up: its level is missing or broken, and
            // it may offer no other way out.
            if (unread && gInputSystem && gInputSystem->IsKeyDown(Keys::LeftCtrl) &&
                gInputSystem->IsKeyTriggered(Keys::Escape) && gWindowSystem && MayQuit())
                gWindowSystem->quit = true;
            if (scene)
                scene->Update(paused ? 0.0f : dt);
            SortObjectsByDepth();
            if (gGraphicsSystem)
                gGraphicsSystem->BeginFrame();
            const std::string notice = scene ? scene->Notice() : std::string();
            if (quitQuestion.Open())
                quitQuestion.Draw();
            else if (!notice.empty())
                DrawScreenNotice(notice, scene->NoticeColourShown());
            PollRequests();
        }

        // A request for an id that names no scene would leave nothing to run: ignore it.
        if (nextScene != currentScene && nextScene != SceneId::Previous && nextScene != SceneId::Stop &&
            !IsKnownScene(nextScene)) {
            ReportError("Scene " + std::to_string(nextScene) + " does not exist; staying in scene " +
                        std::to_string(currentScene));
            nextScene = currentScene;
        }

        if (nextScene != currentScene && nextScene != SceneId::Previous) {
            if (auto scene = GetCurrentScene())
                scene->Unload();
        }
        previousScene = currentScene;
        currentScene = nextScene;
    }

    timer.Mark();
    timer.Measure();
}

void SceneSystem::PollRequests()
{
    if (gLevelToMenu || gSplashFinished || gGameOverToMenu || gEndingFinished) {
        nextScene = SceneId::MainMenu;
        gLevelToMenu = false;
        gSplashFinished = false;
        gGameOverToMenu = false;
        gEndingFinished = false;
    }
    if (gStartGame) {
        nextScene = SceneId::Cutscene;
        gStartGame = false;
    }
    // The level's Load reads and clears the continue and new-game flags itself.
    if (gCutsceneFinished || gContinueGame || gNewGame) {
        nextScene = SceneId::Level;
        gCutsceneFinished = false;
    }
    if (gInputSystem && gInputSystem->inputEnabled && gInputSystem->IsKeyDown(Keys::LeftShift)) {
        // Both keys are tested, so each test consumes its own press.
        if (gInputSystem->IsKeyTriggered(Keys::F5))
            nextScene = SceneId::Editor;
        if (gInputSystem->IsKeyTriggered(Keys::F6))
            nextScene = SceneId::MainMenu;
    }
}

std::string SceneSystem::GetName()
{
    return "Scene System";
}

std::shared_ptr<Scene> SceneSystem::GetEnteredScene() const
{
    // During a switch the old scene has been unloaded already and the new one not loaded yet.
    int loaded = SceneId::None;
    if (currentScene == SceneId::Previous)
        loaded = previousScene;
    else if (currentScene == previousScene)
        loaded = currentScene;

    const auto it = scenes.find(loaded);
    return it == scenes.end() ? nullptr : it->second;
}

void SceneSystem::Shutdown()
{
    // Only a scene that was entered holds objects: unloading one that never loaded could write
    // its files from empty lists.
    const auto entered = GetEnteredScene();
    if (entered) {
        entered->Unload();
        entered->Shutdown();
    }
    // However the run ends (a quit, a closed window, a signal), what a failed write left waiting
    // in any scene is tried again; the entered scene's Unload has just tried its own.
    for (const auto& [id, scene] : scenes) {
        if (!scene)
            continue;
        for (const UnwrittenFile& file : scene == entered ? scene->WhatWaits() : scene->WriteWhatWaits())
            ReportError(file.owner + ": " + file.file + " could not be written (" + file.why + "); " + file.lost);
    }
}

std::vector<UnwrittenFile> SceneSystem::WriteWhatWaits()
{
    std::vector<UnwrittenFile> unwritten;
    for (const auto& [id, scene] : scenes) {
        if (!scene)
            continue;
        const std::vector<UnwrittenFile> files = scene->WriteWhatWaits();
        unwritten.insert(unwritten.end(), files.begin(), files.end());
    }
    return unwritten;
}

std::string SceneSystem::FilesWaiting() const
{
    std::string names;
    for (const auto& [id, scene] : scenes)
        if (scene)
            for (const UnwrittenFile& file : scene->WhatWaits())
                names += (names.empty() ? "" : ", ") + file.file;
    return names;
}

bool SceneSystem::MayQuit()
{
    const std::vector<UnwrittenFile> unwritten = WriteWhatWaits();
    if (unwritten.empty())
        return true;
    quitQuestion.Ask(unwritten);
    return false;
}

bool SceneSystem::CompareDepth(const std::shared_ptr<GameObject>& a, const std::shared_ptr<GameObject>& b)
{
    return DepthKey(a.get()) < DepthKey(b.get());
}

void SceneSystem::SortObjectsByDepth()
{
    SortByDepth(gGameObjects);
}

}  // namespace Framework
