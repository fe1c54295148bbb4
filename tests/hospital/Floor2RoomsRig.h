#pragma once
// The floor-2 rooms on the shipped level: the fixture the family-tree, nursery and flame-room
// tests share. A test starts at its own arrival; the hub and the mirror rooms are played in
// their own tests.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/Vector2.h"
#include "support/route/Checkpoints.h"
#include "support/GameplayHarness.h"
#include "support/route/Floor2RoomsRoute.h"

namespace floor2 {

using floor2route::Route;

class Floor2RoomsTest : public testsupport::GameplayHarness {
protected:
    void SetUp() override
    {
        GameplayHarness::SetUp();
        StartShippedLevelAwake();
        Step(2);
    }
    Route& R() { return *this; }
    void Put(float x, float y) { floor2route::Put(*this, x, y); }
    void ReadAll() { floor2route::ReadAll(*this); }
    // Where the hub's door brings him.
    void ArriveFromHub() { Put(-168.0f, 49.0f); }

    // The mirror rooms' bag, picked up in their closet.
    void BringMirrorBag()
    {
        const auto tree = floor2route::TreeScript(R());
        const Vector3 at = TransformOf("SymmetryWater").position;
        Put(at.x, at.y);
        Tap("ACTION_INTERACT");
        ReadAll();
        ASSERT_TRUE(tree->hasWater2);
        Put(-182.5f, 51.0f);  // back through the mirror rooms' door
    }

    // A checkpoint's own save (the player stands under it and presses interact), then the level
    // again from that save.
    void SaveAtAndReload(const std::string& checkpoint) { checkpoints::SaveAndContinue(*this, checkpoint); }

    bool Near(const Vector3& p, float x, float y, float within = 1.5f)
    {
        return std::abs(p.x - x) < within && std::abs(p.y - y) < within;
    }
};

}  // namespace floor2
