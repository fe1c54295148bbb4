#pragma once
#include <map>
#include <memory>
#include <string>

#include "engine/System.h"

class GameObject;
class Scene;

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
    void Shutdown() override;  // unloads the current scene, if it was entered

    // Creates the eight scenes under their ids.
    void CreateScenes();
    // Current 0 (splash), next and previous 10 (no scene yet).
    void ResetIds();

    // The scene under currentScene, or empty (ids 6 and 7, or no scenes yet).
    std::shared_ptr<Scene> GetCurrentScene() const;
    // The scene that holds the objects now: empty between a scene's Unload and the next one's
    // Load.
    std::shared_ptr<Scene> GetEnteredScene() const;

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

private:
    void PollRequests();
    bool IsKnownScene(int id) const;
};

}  // namespace Framework

extern std::shared_ptr<Framework::SceneSystem> gSceneSystem;
