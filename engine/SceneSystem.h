#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/QuitQuestion.h"
#include "engine/Scene.h"
#include "engine/System.h"

class GameObject;

// Scene ids.
namespace SceneId {
constexpr int Splash = 0;
constexpr int MainMenu = 1;
constexpr int Cutscene = 2;
constexpr int Level = 3;
constexpr int Editor = 5;
constexpr int Previous = 6;  // request only: re-enter the current scene (Init again, no Load)
constexpr int Stop = 7;      // request only: no scene work for the rest of the run
constexpr int GameOver = 8;
constexpr int Ending = 9;
constexpr int None = 10;     // the first next and previous id: no scene yet
constexpr int PathFindingTest = 12;
}  // namespace SceneId

namespace Framework {

// Owns one instance of every scene and decides each frame which one runs. A change takes two
// frames: the old scene is unloaded in the update that sees the request, the new one loaded,
// initialised and updated in the next.
class SceneSystem : public System {
public:
    SceneSystem();
    ~SceneSystem() override;

    void Init() override;  // creates the scenes, sets the first ids and the GL state
    void Update(float dt) override;
    std::string GetName() override;
    // Unloads the current scene, if it was entered; then every scene writes again what it holds
    // unwritten, and the console names each file still not written and what is lost with it.
    void Shutdown() override;

    // Creates the eight scenes under their ids.
    void CreateScenes();
    // Current 0 (splash), next and previous 10 (no scene yet), no quit question.
    void ResetIds();

    // The scene under currentScene, or empty (ids 6 and 7, or no scenes yet).
    std::shared_ptr<Scene> GetCurrentScene() const;
    // The scene that holds the objects now: empty between a scene's Unload and the next one's
    // Load.
    std::shared_ptr<Scene> GetEnteredScene() const;

    // Every scene held, entered or not, writes again what a failed write left waiting
    // (Scene::WriteWhatWaits); what still cannot be written, scene by scene.
    std::vector<UnwrittenFile> WriteWhatWaits();
    // The files waiting unwritten, named as the editor names them ("" when none); nothing is
    // written.
    std::string FilesWaiting() const;
    // A key or a button would end the run: true once all that waited is written; otherwise the
    // quit question opens, naming what is not, and the run goes on.
    bool MayQuit();

    // Depth order: a's Transform z below b's; an object without a Transform (or with a NaN z)
    // counts as z 0.
    static bool CompareDepth(const std::shared_ptr<GameObject>& a, const std::shared_ptr<GameObject>& b);
    // Stable sort of gGameObjects by CompareDepth (see DepthSort.h).
    static void SortObjectsByDepth();

    std::map<int, std::shared_ptr<Scene>> scenes;
    int currentScene = SceneId::Splash;
    int nextScene = SceneId::None;
    int previousScene = SceneId::None;
    bool paused = false;
    QuitQuestion quitQuestion;

private:
    void PollRequests();
    bool IsKnownScene(int id) const;
};

}  // namespace Framework

extern std::shared_ptr<Framework::SceneSystem> gSceneSystem;
