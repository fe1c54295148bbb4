#pragma once

#include <memory>
#include <vector>

#include "engine/Scene.h"
#include "engine/Vector2.h"
#include "engine/Vector3.h"

class GameObject;

// Scene 12, the path-finding test: builds a 25 x 10 grid with random blocked tiles, a player
// moved by the bound keys and an agent that walks a greedy route to the tile under the player,
// tinting the tiles so the search can be watched. Nothing in the game switches to it.
class LevelPTHFD : public Scene {
public:
    static constexpr int kColumns = 25;
    static constexpr int kRows = 10;

    struct Node {
        std::shared_ptr<GameObject> tile;
        float cost = 0.0f;
        std::shared_ptr<Node> parent;
        bool SamePosition(const Node& other) const;
        float Distance(const Node& other) const;
    };

    explicit LevelPTHFD(int id);
    ~LevelPTHFD() override;

    void Init() override;
    void Update(float dt) override;
    // Clears what the scene made, so a later visit starts with one set of objects.
    void Unload() override;

    void BuildGrid(Vector2 size, Vector3 origin);
    std::vector<std::shared_ptr<Node>> FindPath(const Node& start, const Node& goal);
    std::vector<std::shared_ptr<Node>> GetNeighbours(const std::shared_ptr<Node>& node);

    std::shared_ptr<GameObject> camera;
    std::shared_ptr<GameObject> player;
    std::shared_ptr<GameObject> agent;
    std::vector<std::shared_ptr<GameObject>> cells;
    std::vector<std::shared_ptr<Node>> closedList;
    std::vector<std::shared_ptr<Node>> path;
    float releaseTimer = 0.0f;

    // Tests choose the blocked tiles; by default one in six at random.
    bool (*blockTile)(int index) = nullptr;

private:
    void Search();
    void Walk();
    void MovePlayer(float dt);
};
