#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "ai/EnemyAIBase.h"
#include "engine/Vector2.h"

class BasicAI;
class GameObject;
class Rigidbody;
class Sprite;
class Transform;

// An enemy that walks a fixed course of up to four legs (up, right, down, left, each out from
// its BasicAI start and back) and looks ahead as it goes. Seeing the player it stops, shows an
// exclamation mark, fades out, fades in beside the spot where he stood, and if he is still
// there the game is over; then it walks home and paces on. BasicAI calls Pace every frame;
// Update runs the timers, the walk home, the alert, the fade and the capture.
class PatrollingAI : public EnemyAIBase
{
public:
    static constexpr int kTypeId = 10;
    static constexpr int kLegs = 4;

    PatrollingAI();

    static std::string GetTypeName() { return "PatrollingAI"; }

    void Init() override;
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    // Walks the current leg and looks for the player along it.
    void Pace(float dt);

    std::shared_ptr<GameObject> mPlayer;
    std::shared_ptr<GameObject> mPlayerSprite;
    std::vector<bool> PaceDirection;
    std::vector<float> mPaceDistance;
    std::vector<Vector2> mDirections{Vector2(0.0f, 1.0f), Vector2(1.0f, 0.0f), Vector2(0.0f, -1.0f),
                                     Vector2(-1.0f, 0.0f)};
    int mCurrentLeg = -1;
    Vector2 mLegDirection;
    bool mHasLegs = false;
    bool mReturning = false;
    float mLegTimer = 0.5f;
    float mSightDistance = 10.0f;
    bool mPlayerSeen = false;
    Vector2 mCatchPosition;
    bool mCatching = false;
    float mAlertTimer = 0.0f;
    float mAlertDuration = 1.0f;
    bool mExclamationShown = false;
    std::shared_ptr<GameObject> mExclamation;
    bool mGoingHome = false;
    int mCatchFrame = 0;
    float mCatchTimer = 0.0f;

private:
    // What the frame's work needs of the owner; false when any of it is missing.
    struct Parts
    {
        std::shared_ptr<BasicAI> basic;
        std::shared_ptr<Transform> transform;
        std::shared_ptr<Sprite> sprite;
        std::shared_ptr<Rigidbody> body;
    };
    bool GetParts(Parts& parts) const;

    // The next enabled leg after the given one (wrapping; itself when it is the only one);
    // -1 when every leg is off.
    int NextLeg(int after) const;
    // The sight strip, the catch spot and frame, and the walking frame, for travel direction t.
    bool LookAhead(const Vector2& travel, const Vector2& offset, const Vector2& playerSpot, Parts& parts);
    void WalkHome(Parts& parts, float dt);
    // Where the current leg turns back: its length out from home.
    Vector2 LegEnd(const Vector2& home) const;
    void Alert(Parts& parts, float dt);
    void FadeInAtCatchSpot(Parts& parts, float dt);
    void Capture(Parts& parts, float dt);
    void PlaceExclamation(const Parts& parts, const Vector2& where);
    static void ShowWalkingFrame(Sprite& sprite, int frame);
};
