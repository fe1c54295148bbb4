// The key-based depth sort against the order std::stable_sort gives with the comparator.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "engine/DepthSort.h"
#include "engine/SceneSystem.h"
#include "objects/GameObject.h"
#include "objects/GameObjectList.h"
#include "objects/Transform.h"

namespace {

using ObjectList = GameObjectList;
using Entries = GameObjectList::Entries;

// Few distinct depths so ties are common, plus the awkward ones: NaN, -0, no Transform, null.
ObjectList RandomList(std::mt19937& random, int count)
{
    const float depths[] = {-2.0f, -0.0f, 0.0f, 0.5f, 1.0f, 3.9f, std::numeric_limits<float>::quiet_NaN()};
    ObjectList objects;
    for (int i = 0; i < count; ++i) {
        const unsigned pick = random() % 10;
        if (pick == 0) {
            objects.push_back(nullptr);
            continue;
        }
        auto object = std::make_shared<GameObject>("o" + std::to_string(i), 4, i);
        if (pick != 1)
            object->AddComponent(std::make_shared<Transform>(0.0f, 0.0f, depths[random() % 7], 1.0f, 1.0f),
                                 Transform::kTypeId);
        objects.push_back(object);
    }
    return objects;
}

void ExpectStableOrder(ObjectList objects)
{
    Entries expected = objects;
    std::stable_sort(expected.begin(), expected.end(), &Framework::SceneSystem::CompareDepth);
    SortByDepth(objects);
    ASSERT_EQ(objects.size(), expected.size());
    for (std::size_t i = 0; i < objects.size(); ++i)
        ASSERT_EQ(objects[i], expected[i]) << "entry " << i;
}

TEST(DepthSort, GivesExactlyTheStableOrderWithTiesNullsNaNAndMissingTransforms)
{
    std::mt19937 random(15);
    for (int count : {0, 1, 2, 7, 64, 500})
        for (int round = 0; round < 20; ++round)
            ExpectStableOrder(RandomList(random, count));
}

TEST(DepthSort, ASortedListStaysPutAndAMovedObjectFindsItsPlace)
{
    std::mt19937 random(7);
    ObjectList objects = RandomList(random, 200);
    SortByDepth(objects);
    const Entries sorted = objects;
    SortByDepth(objects);
    EXPECT_EQ(Entries(objects), sorted);

    // Frame to frame one object moves; its key is read afresh, not remembered.
    for (auto& object : objects)
        if (object && object->FindComponent<Transform>()) {
            object->FindComponent<Transform>()->position.z = -5.0f;
            break;
        }
    ExpectStableOrder(objects);
}

TEST(DepthSort, KeyIsTheTransformDepthOrZero)
{
    EXPECT_EQ(DepthKey(nullptr), 0.0f);
    GameObject bare("bare", 4, 0);
    EXPECT_EQ(DepthKey(&bare), 0.0f);
    auto placed = std::make_shared<GameObject>("placed", 4, 1);
    placed->AddComponent(std::make_shared<Transform>(1.0f, 2.0f, 2.5f, 1.0f, 1.0f), Transform::kTypeId);
    EXPECT_EQ(DepthKey(placed.get()), 2.5f);
    placed->FindComponent<Transform>()->position.z = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(DepthKey(placed.get()), 0.0f);
}

}  // namespace
