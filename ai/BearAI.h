#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "ai/EnemyAIBase.h"

class GameController;
class GameObject;
class Sprite;

// The teddy bear in the dark. It never walks: while the player is inside its detection zone
// ("TeddyDetector") it watches his distance in three bands, each with its own look, the nearer
// two making the torch flicker and the nearest growling once. Touching it is death: the player
// is held, the bear lunges, vanishes, and the game controller's death follows. BasicAI calls
// Behave every frame; Update watches for the touch and the end of the lunge.
class BearAI : public EnemyAIBase
{
public:
    static constexpr int kTypeId = 11;
    // The bear's sheet: calm, watching, eyes alight; the lunge runs on from there.
    static constexpr int kAttackFrames = 6;
    static constexpr int kLastLungeFrame = 5;

    BearAI();

    static std::string GetTypeName() { return "BearAI"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    // One frame of watching the player's distance; dt picks where the flicker pattern stands.
    void Behave(float dt);

    GameObject* mOwnerObject = nullptr;
    std::shared_ptr<GameObject> mPlayer;
    std::shared_ptr<GameObject> mTorch;
    std::shared_ptr<GameObject> mTeddyDetector;
    std::shared_ptr<GameObject> mGameController;
    float mTriggerDistance1 = 15.0f;
    float mTriggerDistance2 = 10.0f;
    float mTriggerDistance3 = 5.0f;
    bool mNearSoundPlayed = false;
    bool mAttacking = false;
    bool mInFarBand = false;
    bool mInMiddleBand = false;
    bool mInNearBand = false;
    bool mKilled = false;
    // Sixtieths of a second watched, modulo 100: the flicker pattern follows time, not the
    // frame rate.
    float mFrameCounter = 0.0f;

private:
    std::shared_ptr<GameController> Controller() const;
    void Flicker(bool on, float lit, float dark) const;
    void ShowFrame(int frame) const;
    void EnterBand(bool& band);
};
