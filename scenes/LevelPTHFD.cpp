#include "scenes/LevelPTHFD.h"

#include <cmath>
#include <random>

#include "engine/InputSystem.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Physics.h"
#include "physics/Rigidbody.h"

namespace {
const Vector3 kOpen(0.0f, 0.5f, 1.0f);
const Vector3 kBlocked(1.0f, 0.5f, 0.0f);
const Vector3 kStart(0.8f, 1.0f, 0.0f);
const Vector3 kGoal(0.22f, 1.0f, 0.078f);
const Vector3 kLookedAt(1.0f, 0.71f, 0.76f);
const Vector3 kRoute(1.0f, 0.0f, 0.0f);

void Tint(const std::shared_ptr<GameObject>& tile, const Vector3& colour)
{
    if (const std::shared_ptr<Sprite> sprite = tile ? tile->GetComponent<Sprite>() : nullptr)
        sprite->color = colour;
}

bool Blocked(const std::shared_ptr<GameObject>& tile)
{
    const std::shared_ptr<Collider> collider = tile ? tile->GetComponent<Collider>() : nullptr;
    return collider && collider->active;
}

Vector3 PositionOf(const std::shared_ptr<GameObject>& object)
{
    const std::shared_ptr<Transform> transform = object ? object->GetComponent<Transform>() : nullptr;
    return transform ? transform->GetPosition() : Vector3();
}

std::shared_ptr<GameObject> MakeObject(const std::string& name, int type, Vector3 position, Vector2 scale,
                                       Vector2 box)
{
    auto object = std::make_shared<GameObject>(name, type, gObjectIdCounter);
    object->AddComponent(std::make_shared<Transform>(position.x, position.y, position.z, 1.0f, 1.0f), 0);
    object->GetComponent<Transform>()->SetScale(scale);
    object->AddComponent(std::make_shared<Collider>(box), 2);
    AddObject(object);
    return object;
}

void GiveAnimatedSprite(GameObject& object, const char* sheet, int rows, int columns, int count, float delay)
{
    auto sprite = std::make_shared<Sprite>();
    if (gTextureSystem)
        sprite->texture = gTextureSystem->GetTexture(sheet);
    sprite->textureName = sheet;
    sprite->numRows = rows;
    sprite->numColumns = columns;
    sprite->frameCount = rows * columns;
    object.AddComponent(sprite, 1);
    sprite->animateFlag = true;
    sprite->startFrame = sprite->column = sprite->row = sprite->currentFrame = 0;
    sprite->UpdateUV();
    sprite->animationCount = count;
    sprite->animationDelay = delay;
}

int RandomBlock(int)
{
    std::random_device device;
    std::mt19937 generator(device());
    return std::uniform_int_distribution<int>(0, 5)(generator) == 0;
}
}  // namespace

bool LevelPTHFD::Node::SamePosition(const Node& other) const
{
    const Vector3 a = PositionOf(tile);
    const Vector3 b = PositionOf(other.tile);
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

float LevelPTHFD::Node::Distance(const Node& other) const
{
    if (Blocked(tile))
        return 99999.0f;
    const Vector3 a = PositionOf(tile);
    const Vector3 b = PositionOf(other.tile);
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y));
}

LevelPTHFD::LevelPTHFD(int id) : Scene(id) {}

LevelPTHFD::~LevelPTHFD() = default;

void LevelPTHFD::Init()
{
    camera = std::make_shared<GameObject>("Camera", 10, gObjectIdCounter);
    camera->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 0.0f, 1.0f, 1.0f), 0);
    camera->AddComponent(std::make_shared<Collider>(Vector2(1920.0f, 1080.0f)), 2);
    AddObject(camera);

    player = MakeObject("Player", 0, Vector3(0.0f, 8.0f, 1.0f), Vector2(10.0f, 10.0f), Vector2(10.0f, 10.0f));
    GiveAnimatedSprite(*player, "Girl_1x6.png", 1, 6, 5, 0.1f);
    player->AddComponent(std::make_shared<Rigidbody>(1.0f), 3);

    BuildGrid(Vector2(200.0f, 120.0f), Vector3(-100.0f, -60.0f, -1.0f));

    // The agent starts on a random open tile; with none open it is not made at all.
    std::vector<int> open;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i)
        if (!Blocked(cells[static_cast<std::size_t>(i)]))
            open.push_back(i);
    if (open.empty())
        return;
    std::random_device device;
    std::mt19937 generator(device());
    const int start = open[std::uniform_int_distribution<std::size_t>(0, open.size() - 1)(generator)];
    const Vector3 at = PositionOf(cells[static_cast<std::size_t>(start)]);
    agent = MakeObject("Arstar 1", 9, Vector3(at.x, at.y, at.z + 1.0f), Vector2(5.0f, 5.0f), Vector2(5.0f, 5.0f));
    GiveAnimatedSprite(*agent, "Numbers_4x4.png", 4, 4, 15, 0.2f);
    agent->AddComponent(std::make_shared<Rigidbody>(1.0f), 3);
}

void LevelPTHFD::BuildGrid(Vector2 size, Vector3 origin)
{
    const float w = size.x / kColumns;
    const float h = size.y / kRows;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            auto tile = std::make_shared<GameObject>("Grid", 12, gObjectIdCounter);
            tile->AddComponent(std::make_shared<Transform>(origin.x + w / 2 + c * w, origin.y + h / 2 + r * h,
                                                           origin.z, 1.0f, 1.0f),
                               0);
            tile->GetComponent<Transform>()->SetScale(Vector2(w, h));
            cells.push_back(tile);
            auto collider = std::make_shared<Collider>(Vector2(1.0f, 1.0f));
            tile->AddComponent(collider, 2);
            auto sprite = std::make_shared<Sprite>("Empty_1x1.png");
            tile->AddComponent(sprite, 1);
            const bool blocked = blockTile ? blockTile(r * kColumns + c) : RandomBlock(r * kColumns + c);
            collider->active = blocked;
            sprite->color = blocked ? kBlocked : kOpen;
            tile->AddComponent(std::make_shared<Rigidbody>(1.0f), 3);
            AddObject(tile);
        }
    }
}

void LevelPTHFD::Update(float dt)
{
    if (path.empty())
        Search();
    else
        Walk();
    MovePlayer(dt);
    UpdateObjects(dt);
}

void LevelPTHFD::Search()
{
    if (!agent || !player)
        return;
    std::vector<int> underPlayer;
    std::vector<int> underAgent;
    for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
        const std::shared_ptr<GameObject>& tile = cells[static_cast<std::size_t>(i)];
        if (Blocked(tile))
            continue;
        if (Framework::Physics::CheckCollision(*tile, *player))
            underPlayer.push_back(i);
        if (Framework::Physics::CheckCollision(*tile, *agent))
            underAgent.push_back(i);
    }
    // The nearest tile to the figure; ties keep the earlier one.
    auto nearest = [&](const std::vector<int>& indices, const std::shared_ptr<GameObject>& figure,
                       const Vector3& tint) {
        const Vector3 p = PositionOf(figure);
        int best = indices.front();
        auto distance = [&](int i) {
            const Vector3 t = PositionOf(cells[static_cast<std::size_t>(i)]);
            return std::sqrt((p.x - t.x) * (p.x - t.x) + (p.y - t.y) * (p.y - t.y));
        };
        for (std::size_t k = 1; k < indices.size(); ++k) {
            if (distance(indices[k]) < distance(best)) {
                best = indices[k];
                Tint(cells[static_cast<std::size_t>(best)], tint);
            }
        }
        return cells[static_cast<std::size_t>(best)];
    };
    if (underAgent.empty())
        return;
    Node start{nearest(underAgent, agent, kStart), 0.0f, nullptr};
    if (underPlayer.empty())
        return;
    Node goal{nearest(underPlayer, player, kGoal), 0.0f, nullptr};
    if (start.SamePosition(goal))
        return;
    path = FindPath(start, goal);
    for (const std::shared_ptr<Node>& node : path)
        Tint(node->tile, kRoute);
}

void LevelPTHFD::Walk()
{
    const std::shared_ptr<Rigidbody> body = agent ? agent->GetComponent<Rigidbody>() : nullptr;
    if (!body) {
        path.clear();
        return;
    }
    const std::shared_ptr<Node> target = path.back();
    const Vector3 d = PositionOf(target->tile) - PositionOf(agent);
    const float length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    // Standing on the target's centre already: no direction to head in, and no NaN.
    body->velocity = length > 0.0f ? Vector2(50.0f * d.x / length, 50.0f * d.y / length) : Vector2();
    if (Framework::Physics::CheckCollision(*target->tile, *agent)) {
        body->velocity = Vector2();
        path.pop_back();
    }
}

void LevelPTHFD::MovePlayer(float dt)
{
    const std::shared_ptr<Rigidbody> body = player ? player->GetComponent<Rigidbody>() : nullptr;
    if (!body || !gInputSystem)
        return;
    struct Move {
        const char* action;
        Vector2 velocity;
    };
    static const Move kMoves[4] = {{"ACTION_UP", {0.0f, 40.0f}},
                                   {"ACTION_DOWN", {0.0f, -40.0f}},
                                   {"ACTION_LEFT", {-40.0f, 0.0f}},
                                   {"ACTION_RIGHT", {40.0f, 0.0f}}};
    for (const Move& move : kMoves) {
        if (gInputSystem->IsActionDown(move.action)) {
            body->velocity = move.velocity;
            releaseTimer = 0.0f;
        } else if (gInputSystem->IsActionUp(move.action)) {
            const Vector2 v = body->velocity;
            const bool sameWay = (move.velocity.x * v.x > 0.0f) || (move.velocity.y * v.y > 0.0f);
            if (sameWay) {
                releaseTimer += dt;
                if (releaseTimer >= 0.1f)
                    body->velocity = Vector2();
            }
        }
    }
}

std::vector<std::shared_ptr<LevelPTHFD::Node>> LevelPTHFD::FindPath(const Node& start, const Node& goal)
{
    std::vector<std::shared_ptr<Node>> open{std::make_shared<Node>(start)};
    std::shared_ptr<Node> current;
    bool found = false;
    while (!open.empty()) {
        current = std::make_shared<Node>(*open.front());
        current->cost = current->Distance(goal);
        closedList.push_back(current);
        open.erase(open.begin());
        if (current->SamePosition(goal)) {
            found = true;
            break;
        }
        std::vector<std::shared_ptr<Node>> neighbours = GetNeighbours(current);
        std::shared_ptr<Node> best;
        for (const std::shared_ptr<Node>& neighbour : neighbours) {
            neighbour->cost = neighbour->Distance(goal);
            if (!best || neighbour->cost < best->cost)
                best = neighbour;
        }
        if (best)
            open.push_back(best);
    }
    std::vector<std::shared_ptr<Node>> route;
    if (found) {
        for (std::shared_ptr<Node> node = current; node && node->parent && !node->SamePosition(start);
             node = node->parent)
            route.push_back(node);
    }
    closedList.clear();
    return route;
}

std::vector<std::shared_ptr<LevelPTHFD::Node>> LevelPTHFD::GetNeighbours(const std::shared_ptr<Node>& node)
{
    const int count = static_cast<int>(cells.size());
    int i = -1;
    for (int k = 0; k < count; ++k) {
        if (Node{cells[static_cast<std::size_t>(k)], 0.0f, nullptr}.SamePosition(*node)) {
            i = k;
            break;
        }
    }
    std::vector<std::shared_ptr<Node>> result;
    if (i < 0)
        return result;
    const int candidates[4] = {(i + 1 < count && (i + 1) % kColumns != 0) ? i + 1 : -1,
                               (i - 1 >= 0 && (i - 1) % kColumns != kColumns - 1) ? i - 1 : -1,
                               i - kColumns >= 0 ? i - kColumns : -1, i + kColumns < count ? i + kColumns : -1};
    for (int c : candidates) {
        if (c < 0 || Blocked(cells[static_cast<std::size_t>(c)]))
            continue;
        auto neighbour = std::make_shared<Node>(Node{cells[static_cast<std::size_t>(c)], 0.0f, node});
        Tint(neighbour->tile, kLookedAt);
        bool closed = false;
        for (const std::shared_ptr<Node>& done : closedList)
            closed = closed || neighbour->SamePosition(*done);
        if (!closed)
            result.push_back(neighbour);
    }
    return result;
}

void LevelPTHFD::Unload()
{
    DestroyAll();
    camera.reset();
    player.reset();
    agent.reset();
    cells.clear();
    closedList.clear();
    path.clear();
    releaseTimer = 0.0f;
}
