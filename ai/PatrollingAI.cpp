#include "ai/PatrollingAI.h"

#include <imgui.h>

#include <cmath>
#include <ostream>

#include "ai/BasicAI.h"
#include "ai/SavedField.h"
#include "editor/FieldOwner.h"
#include "editor/ValueFields.h"
#include "engine/SceneSystem.h"
#include "engine/StepToward.h"
#include "gameplay/LookUp.h"
#include "gameplay/ObjectParts.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"
#include "physics/Physics.h"
#include "physics/Rigidbody.h"

namespace {
const char* const kWho = "PatrollingAI";
constexpr int kExclamationType = 18;
// Transparency lost or gained a second as it fades out and back in.
constexpr float kFadeSpeed = 0.75f;
const Vector2 kHidden(10000.0f, 10000.0f);
const bool kDefaultLegs[PatrollingAI::kLegs] = {false, true, false, true};
const float kDefaultDistances[PatrollingAI::kLegs] = {6.0f, 13.0f, 6.0f, 13.0f};
const char* const kLegNames[PatrollingAI::kLegs] = {"Up", "Right", "Down", "Left"};
}  // namespace

PatrollingAI::PatrollingAI() : EnemyAIBase(kTypeId)
{
}

void PatrollingAI::Init()
{
    typeId = kTypeId;
    if (PaceDirection.size() != kLegs || mPaceDistance.size() != kLegs) {
        PaceDirection.assign(kDefaultLegs, kDefaultLegs + kLegs);
        mPaceDistance.assign(kDefaultDistances, kDefaultDistances + kLegs);
    }
    mPlayer = FindRequired(kWho, "Player");
    mPlayerSprite = FindRequired(kWho, "PlayerSprite");
    const int first = NextLeg(kLegs - 1);
    if (first >= 0) {
        mCurrentLeg = first;
        mLegDirection = mDirections[static_cast<std::size_t>(first)];
    }
    Parts parts;
    if (!GetParts(parts)) {
        ReportMissing(kWho, "BasicAI, Transform, Sprite or Rigidbody on \"" +
                                (GetOwner() ? GetOwner()->name : std::string("?")) + "\"");
        return;
    }
    const Vector2 start = parts.basic->GetStartPosition();
    if (parts.transform->position.x != start.x || parts.transform->position.y != start.y)
        mGoingHome = true;
}

bool PatrollingAI::GetParts(Parts& parts) const
{
    GameObject* owner = GetOwner();
    if (!owner)
        return false;
    parts.basic = owner->GetComponent<BasicAI>();
    parts.transform = owner->GetComponent<Transform>();
    parts.sprite = owner->GetComponent<Sprite>();
    parts.body = owner->GetComponent<Rigidbody>();
    return parts.basic && parts.transform && parts.sprite && parts.body;
}

int PatrollingAI::NextLeg(int after) const
{
    for (int step = 1; step <= kLegs; ++step) {
        const int leg = (after + step) % kLegs;
        if (leg >= 0 && static_cast<std::size_t>(leg) < PaceDirection.size() && PaceDirection[leg])
            return leg;
    }
    return -1;
}

Vector2 PatrollingAI::LegEnd(const Vector2& home) const
{
    const float length = mPaceDistance[static_cast<std::size_t>(mCurrentLeg)];
    return Vector2(home.x + mLegDirection.x * length, home.y + mLegDirection.y * length);
}

void PatrollingAI::Pace(float dt)
{
    // Legs may be switched off in the editor at any time: with none on the enemy idles.
    const int enabled = NextLeg(kLegs - 1);
    if (enabled >= 0)
        mHasLegs = true;
    if (enabled < 0 || mPlayerSeen || mGoingHome)
        return;
    Parts parts;
    if (!GetParts(parts) || !mPlayerSprite)
        return;
    const std::shared_ptr<Transform> spriteTransform = mPlayerSprite->GetComponent<Transform>();
    if (!spriteTransform)
        return;
    if (mCurrentLeg < 0 || !PaceDirection[static_cast<std::size_t>(mCurrentLeg)]) {
        mCurrentLeg = NextLeg(mCurrentLeg < 0 ? kLegs - 1 : mCurrentLeg);
        mLegDirection = mDirections[static_cast<std::size_t>(mCurrentLeg)];
    }

    const Vector2 position(parts.transform->position.x, parts.transform->position.y);
    const Vector2 playerSpot(spriteTransform->position.x, spriteTransform->position.y);
    GameObject* owner = GetOwner();
    const Vector2 home = parts.basic->GetStartPosition();
    const float speed = parts.basic->PaceSpeed;

    // Out to the leg's end and back home, each reached exactly and turned on in that frame: a long
    // frame's step would carry it past the end, and past home it would walk on for ever. The next
    // leg only once home and the leg timer has run out.
    bool atHome = position.Distance(home) < 0.15f;
    if (!mReturning && WalkTo(owner, LegEnd(home), speed, dt))
        mReturning = true;
    if (mReturning)
        atHome = WalkTo(owner, home, speed, dt);
    if (atHome && mLegTimer <= 0.0f) {
        mLegTimer = 1.0f;
        mReturning = false;
        mCurrentLeg = NextLeg(mCurrentLeg);
        mLegDirection = mDirections[static_cast<std::size_t>(mCurrentLeg)];
        WalkTo(owner, LegEnd(home), speed, dt);
    }

    const Vector2 travel = mReturning ? mLegDirection * -1.0f : mLegDirection;
    mPlayerSeen = LookAhead(travel, position - playerSpot, playerSpot, parts);
    if (mPlayerSeen)
        mAlertTimer = mAlertDuration;
}

bool PatrollingAI::LookAhead(const Vector2& travel, const Vector2& offset, const Vector2& playerSpot, Parts& parts)
{
    const float sight = mSightDistance;
    bool seen = false;
    int walkingFrame = 0;
    if (travel.x > 0.0f) {
        seen = -sight <= offset.x && offset.x <= 0.0f && -2.0f < offset.y && offset.y < 2.0f;
        if (seen) {
            mCatchPosition = Vector2(playerSpot.x - 2.0f, playerSpot.y);
            mCatchFrame = 22;
        }
        walkingFrame = 10;
    } else if (travel.x < 0.0f) {
        seen = 0.0f <= offset.x && offset.x <= sight && -2.0f < offset.y && offset.y < 2.0f;
        if (seen) {
            mCatchPosition = Vector2(playerSpot.x + 2.0f, playerSpot.y);
            mCatchFrame = 25;
        }
        walkingFrame = 15;
    } else if (travel.y > 0.0f) {
        seen = -sight <= offset.y && offset.y <= 0.0f && -1.0f < offset.x && offset.x < 1.0f;
        if (seen) {
            mCatchPosition = Vector2(playerSpot.x, playerSpot.y - 2.5f);
            mCatchFrame = 20;
        }
        walkingFrame = 5;
    } else {
        seen = 0.0f <= offset.y && offset.y <= sight && -1.0f < offset.x && offset.x < 1.0f;
        if (seen) {
            mCatchPosition = Vector2(playerSpot.x, playerSpot.y + 2.5f);
            mCatchFrame = 20;
        }
        walkingFrame = 0;
    }
    ShowWalkingFrame(*parts.sprite, walkingFrame);
    return seen;
}

void PatrollingAI::ShowWalkingFrame(Sprite& sprite, int frame)
{
    if (sprite.startFrame == frame && sprite.animateFlag)
        return;
    sprite.animateFlag = true;
    sprite.SetFrame(frame);
    sprite.animationCount = 4;
}

void PatrollingAI::Update(float dt)
{
    mLegTimer -= dt;
    mAlertTimer -= dt;
    Parts parts;
    if (!GetParts(parts))
        return;
    if (mGoingHome) {
        WalkHome(parts, dt);
        return;
    }
    if (mPlayerSeen && !mCatching)
        Alert(parts, dt);
    // Only a sighting leads to the catch spot: a sprite faded out for any other reason stays put.
    if ((mPlayerSeen && parts.sprite->transparency <= 0.0f) || mCatching)
        FadeInAtCatchSpot(parts, dt);
    // Fully back: the fade in stops on 1, so it is reached rather than passed.
    if (mCatching && parts.sprite->transparency >= 1.0f)
        Capture(parts, dt);
}

void PatrollingAI::WalkHome(Parts& parts, float dt)
{
    const Vector2 home = parts.basic->GetStartPosition();
    const Vector2 position(parts.transform->position.x, parts.transform->position.y);
    const Vector2 way = home - position;
    const float distance = position.Distance(home);
    // On home itself, within its margin or its last step: a long frame's step could carry it
    // over the margin and back again for ever.
    if (distance <= 0.05f || WalkTo(GetOwner(), home, parts.basic->PaceSpeed, dt)) {
        // Home: stand until the course takes over again.
        parts.transform->SetPosition(home);
        parts.body->velocity = Vector2();
        mGoingHome = false;
        return;
    }
    const Vector2 unit = way * (1.0f / distance);
    int frame = 0;
    if (std::fabs(unit.y) > std::fabs(unit.x))
        frame = unit.y > 0.0f ? 5 : 0;
    else
        frame = unit.x > 0.0f ? 10 : 15;
    ShowWalkingFrame(*parts.sprite, frame);
}

void PatrollingAI::Alert(Parts& parts, float dt)
{
    parts.body->velocity = Vector2();
    parts.sprite->animateFlag = false;
    const Vector3 at = parts.transform->position;
    PlaceExclamation(parts, Vector2(at.x, at.y + 4.0f));
    mExclamationShown = true;
    if (mAlertTimer <= 0.0f) {
        // Out to nothing and no further: the fade back in starts from there, so a long frame
        // cannot hold the catch back.
        parts.sprite->transparency = Framework::StepToward(parts.sprite->transparency, 0.0f, kFadeSpeed * dt);
        parts.sprite->lightAffected = false;
        PlaceExclamation(parts, kHidden);
        mExclamationShown = false;
    }
}

void PatrollingAI::PlaceExclamation(const Parts& parts, const Vector2& where)
{
    if (mExclamation) {
        if (const std::shared_ptr<Transform> transform = mExclamation->GetComponent<Transform>())
            transform->SetPosition(where);
        return;
    }
    const Vector3 at = parts.transform->position;
    const Vector3 scale = parts.transform->scale;
    mExclamation = std::make_shared<GameObject>("Enemy Exclamation Point", kExclamationType, gObjectIdCounter);
    // Shown only while the game runs: a save never carries it.
    mExclamation->transient = true;
    mExclamation->AddComponent(std::make_shared<Transform>(where.x, where.y, at.z + 1.0f, scale.x / 3.0f, scale.y / 3.0f),
                               Transform::kTypeId);
    mExclamation->AddComponent(std::make_shared<Sprite>("Exclaimation.png"), Sprite::kTypeId);
    AddObject(mExclamation);
    mExclamation->RelinkParent();
}

void PatrollingAI::FadeInAtCatchSpot(Parts& parts, float dt)
{
    mCatching = true;
    parts.transform->SetPosition(mCatchPosition);
    Sprite& sprite = *parts.sprite;
    sprite.transparency = Framework::StepToward(sprite.transparency, 1.0f, kFadeSpeed * dt);
    sprite.lightAffected = false;
    sprite.animateFlag = false;
    sprite.SetFrame(mCatchFrame);
    sprite.animationCount = 0;
}

void PatrollingAI::Capture(Parts& parts, float dt)
{
    Sprite& sprite = *parts.sprite;
    sprite.animateFlag = false;
    sprite.SetFrame(mCatchFrame + 1);
    sprite.animationCount = 0;
    sprite.lightAffected = true;
    mCatchTimer += dt;
    if (mCatchTimer < 0.3f)
        return;
    if (GetOwner() && mPlayer && Framework::Physics::CheckCollision(*GetOwner(), *mPlayer) && gSceneSystem)
        gSceneSystem->nextScene = SceneId::GameOver;
    mCatching = false;
    mPlayerSeen = false;
    mGoingHome = true;
    mCatchTimer = 0.0f;
}

std::shared_ptr<Component> PatrollingAI::Clone() const
{
    return std::make_shared<PatrollingAI>(*this);
}

void PatrollingAI::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    for (int leg = 0; leg < kLegs; ++leg) {
        const bool on = static_cast<std::size_t>(leg) < PaceDirection.size() ? PaceDirection[leg] : kDefaultLegs[leg];
        WriteString(stream, "PaceDirection" + std::to_string(leg));
        stream << (on ? 1 : 0) << '\n';
    }
    for (int leg = 0; leg < kLegs; ++leg) {
        const float distance =
            static_cast<std::size_t>(leg) < mPaceDistance.size() ? mPaceDistance[leg] : kDefaultDistances[leg];
        WriteString(stream, "mPaceDistance" + std::to_string(leg));
        WriteFloat(stream, distance);
    }
}

void PatrollingAI::Deserialize(std::istream& stream)
{
    std::vector<bool> legs(kLegs);
    std::vector<float> distances(kLegs);
    for (int leg = 0; leg < kLegs; ++leg) {
        bool on = false;
        if (!ReadSavedField(stream, on))
            return;
        legs[leg] = on;
    }
    for (int leg = 0; leg < kLegs; ++leg)
        if (!ReadSavedField(stream, distances[leg]))
            return;
    PaceDirection = legs;
    mPaceDistance = distances;
}

void PatrollingAI::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Patrolling AI"))
        return;
    if (PaceDirection.size() != kLegs || mPaceDistance.size() != kLegs) {
        PaceDirection.assign(kDefaultLegs, kDefaultLegs + kLegs);
        mPaceDistance.assign(kDefaultDistances, kDefaultDistances + kLegs);
    }
    ImGui::Spacing();
    ImGui::Text("Patrolling AI ID #%d", id);
    ImGui::Spacing();
    ImGui::Text("Please Attach BasicAI Component as well");
    ImGui::Spacing();
    ImGui::Text("The AI will pace in this sequence: ");
    ImGui::Text("Up, Right, Down, Left");
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);
    for (int leg = 0; leg < kLegs; ++leg) {
        bool on = PaceDirection[leg];
        if (ImGui::Checkbox((std::string("Pace ") + kLegNames[leg]).c_str(), &on))
            PaceDirection[leg] = on;
        if (on)
            ValueFields::InputFloat((std::string("Pace ") + kLegNames[leg] + " Distance").c_str(), &mPaceDistance[leg],
                              0.0f, 0.0f, "%f");
    }
    ImGui::Spacing();
    ValueFields::InputFloat("Sight Trigger Distance", &mSightDistance, 0.0f, 0.0f, "%f");
    ImGui::PopItemWidth();
}
