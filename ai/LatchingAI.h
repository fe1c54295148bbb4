#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "ai/EnemyAIBase.h"

class GameController;
class GameObject;

// An enemy that clings to the player instead of killing him at once: while it holds him he
// struggles, and enough presses of the movement keys (or the interact key) before the timer
// runs out shake it off; otherwise he dies. BasicAI calls Latch on every frame of a touch.
class LatchingAI : public EnemyAIBase
{
public:
    static constexpr int kTypeId = 9;
    // Key-table indices of W, A, S and D, asked in this order.
    static constexpr int kMashKeys[4] = {57, 35, 53, 38};
    // Frames of the player's sheet.
    static constexpr int kLatchedFrame = 60;
    static constexpr int kStruggleFrameA = 61;
    static constexpr int kStruggleFrameB = 62;
    static constexpr int kBreakFreeFrame = 63;
    static constexpr int kFreedFrame = 65;
    static constexpr int kDeathFrame = 66;

    LatchingAI();

    static std::string GetTypeName() { return "LatchingAI"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    // One frame of holding on: both stand still, the enemy vanishes into the struggle.
    void Latch();

    bool Latched = false;
    std::shared_ptr<GameObject> mPlayer;
    float TimeToShake = 10.0f;
    float Timer = 0.0f;
    int MashCount = 0;
    int BreakFreeCount = 10;
    bool mDead = false;

private:
    bool PressedThisFrame() const;
    void ShowPlayerFrame(int frame, int count, bool animate);
    void Kill();
    void BreakFree();

    std::shared_ptr<GameObject> mPlayerSprite;
    std::shared_ptr<GameController> mGameController;
    // The player is playing his break-free frames; he moves again when they end.
    bool mBreakingFree = false;
};
