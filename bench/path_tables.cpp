// Route tables and the stalking enemy's frame. Building: one room of W x H tiles (every
// seventh column a wall with a gap, so routes bend), rebuilt per iteration; the counters give
// the table's size. The enemy: one BasicAI update with the player in its room, in a 30 x 20
// and a 60 x 60 room (two scans for the tiles under enemy and player, a route lookup).
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "ai/BasicAI.h"
#include "ai/PathFindingSystem.h"
#include "graphics/LightSource.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

namespace
{
std::shared_ptr<GameObject> AddBody(const std::string& name, int type, float x, float y, float size)
{
    auto object = std::make_shared<GameObject>(name, type, gObjectIdCounter);
    object->AddComponent(std::make_shared<Transform>(x, y, 0.0f, size, size), Transform::kTypeId);
    object->AddComponent(std::make_shared<Collider>(Vector2(size, size)), Collider::kTypeId);
    object->AddComponent(std::make_shared<Rigidbody>(1.0f), Rigidbody::kTypeId);
    AddObject(object);
    return object;
}

void BuildRoom(int columns, int rows)
{
    DestroyAll();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            auto tile = AddBody("Wardg" + std::to_string(r) + "x" + std::to_string(c), 12, 2.0f * c, -2.0f * r, 2.0f);
            tile->GetComponent<Collider>()->active = c % 7 == 6 && r != rows / 2;
        }
}

void BM_BuildTables(benchmark::State& state)
{
    const int columns = static_cast<int>(state.range(0));
    const int rows = static_cast<int>(state.range(1));
    BuildRoom(columns, rows);
    Framework::PathFindingSystem paths;
    for (auto _ : state) {
        paths.Init();
        benchmark::DoNotOptimize(paths.mRooms.data());
    }
    std::size_t bytes = 0;
    for (const RoomGrid& room : paths.mRooms)
        bytes += room.TableBytes();
    state.counters["floor_tiles"] = paths.mRooms.empty() ? 0 : paths.mRooms[0].FloorCount();
    state.counters["table_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    DestroyAll();
}
BENCHMARK(BM_BuildTables)->Args({30, 20})->Args({60, 60})->Unit(benchmark::kMillisecond);

void BM_StalkerFrame(benchmark::State& state)
{
    const int columns = static_cast<int>(state.range(0));
    const int rows = static_cast<int>(state.range(1));
    BuildRoom(columns, rows);
    AddBody("Player", 0, 0.0f, 0.0f, 1.0f);
    auto torch = std::make_shared<GameObject>("Torch", 1, gObjectIdCounter);
    torch->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, 0.0f, 1.0f, 1.0f), Transform::kTypeId);
    torch->AddComponent(std::make_shared<LightSource>(0.5f), LightSource::kTypeId);
    AddObject(torch);
    auto enemy = AddBody("Stalker", 5, 2.0f * (columns - 1), -2.0f * (rows - 1), 1.0f);
    auto ai = std::make_shared<BasicAI>();
    enemy->AddComponent(ai, BasicAI::kTypeId);
    gPathFindingSystem->Init();
    for (auto _ : state) {
        ai->Update(1.0f / 60.0f);
        // The route is walked out in play; here it is looked up again each frame.
        ai->mRoute.clear();
    }
    gPathFindingSystem->Shutdown();
    DestroyAll();
}
BENCHMARK(BM_StalkerFrame)->Args({30, 20})->Args({60, 60})->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
