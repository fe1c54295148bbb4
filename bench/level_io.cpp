// Reading and writing a large level: 5,000 objects, each with a Transform, Sprite,
// Collider and Rigidbody block. One iteration loads the file into an empty object list
// and saves it back (temporary file, sync, rename).
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/LevelFile.h"
#include "objects/ObjectList.h"
#include "objects/Transform.h"
#include "physics/Collider.h"
#include "physics/Rigidbody.h"

namespace
{
constexpr int kObjects = 5000;

std::string MakeFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "vesperine-bench-XXXXXX").string();
    char* made = ::mkdtemp(pattern.data());
    return made ? std::string(made) : std::string();
}

// Builds the scene in memory and writes it with the level writer itself, so the blocks
// are whatever the components write.
bool WriteLargeLevel(const std::string& path)
{
    DestroyAll();
    for (int i = 0; i < kObjects; ++i)
    {
        auto object = std::make_shared<GameObject>("Object" + std::to_string(i), i == 0 ? 10 : 4, gObjectIdCounter);
        float x = static_cast<float>(i % 100) * 37.25f;
        float y = static_cast<float>(i / 100) * -21.5f;
        object->components.push_back(std::make_shared<Transform>(x, y, 0.001f * i, 30.0f, 30.0f));
        object->components.push_back(std::make_shared<Sprite>());
        auto collider = std::make_shared<Collider>();
        collider->scale = Vector3(30.5f, 12.25f, 1.0f);
        object->components.push_back(collider);
        object->components.push_back(std::make_shared<Rigidbody>(1.0f));
        if (i % 10 != 0)
            object->parentName = "Object" + std::to_string(i - i % 10);
        AddObject(object);
    }
    bool saved = SaveLevel("Big", path);
    DestroyAll();
    return saved;
}

void BM_LoadAndSaveLevel(benchmark::State& state)
{
    const std::string folder = MakeFolder();
    if (folder.empty())
    {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string source = folder + "/Big.txt";
    const std::string copy = folder + "/BigCopy.txt";
    if (!WriteLargeLevel(source))
    {
        state.SkipWithError("could not write the level");
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        return;
    }

    for (auto _ : state)
    {
        DestroyAll();
        LoadLevel("Big", source);
        bool saved = SaveLevel("Big", copy);
        benchmark::DoNotOptimize(saved);
    }
    state.counters["objects"] = static_cast<double>(gGameObjects.size());
    DestroyAll();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
} // namespace

BENCHMARK(BM_LoadAndSaveLevel)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
