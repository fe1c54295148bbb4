#include "events/NurseEvent.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "audio/Audio.h"
#include "audio/AudioSystem.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "graphics/LightPacking.h"
#include "graphics/LightSource.h"
#include "graphics/Sprite.h"
#include "graphics/TextureSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"
#include "objects/Transform.h"
#include "physics/Collider.h"

using namespace StoryActs;

namespace {
constexpr float kCeilingX = 49.0f;
constexpr float kCeilingY = -22.7f;
constexpr float kFullCircle = 3.1415927f;

void SwapAllNamed(const std::string& name, const std::string& texture)
{
    for (const auto& object : gGameObjects)
        if (object && object->name == name)
            SwapPicture(object, texture);
}
}  // namespace

NurseEvent::NurseEvent() : StoryEvent(kTypeId)
{
}

void NurseEvent::Init()
{
    typeId = kTypeId;
    FindStoryCollaborators();
    startTrigger = Find("StartingTrigger");
    startTrigger1 = Find("StartingTrigger1");
    startTrigger2 = Find("StartingTrigger2");
    startTrigger3 = Find("StartingTrigger3");
    startTrigger4 = Find("StartingTrigger4");
    chatBox = Find("ChatBox");
    waypoint1 = Find("NurseWaypoint1");
    waypoint2 = Find("NurseWaypoint2");
    falseCeiling = Find("FalseCeiling");
    worldBgm = FindComponent<Audio>("WorldBGM", "Audio");
    torchLight = playerBehaviour ? playerBehaviour->GetTorch() : nullptr;
    if (!torchLight)
        torchLight = FindComponent<LightSource>("Torch", "LightSource");

    const int father = 0;
    const int nurse = 1;
    wakeUpLines = {{"Ugh...", true, father}, {"...", true, father}, {"Where am I...", true, father},
                   {"There is a lady over there, I should ask her.", true, father}};
    followMeLines = {{"Excu...", true, father}, {"Please follow me.", true, nurse}, {"Huh?", true, father},
                     {"...Okay.", true, father}};
    hospitalLines = {{"Excuse me...", true, father},
                     {"Where is this place?", true, father},
                     {"A hospital of course.", true, nurse},
                     {"Where are the other patients?", true, father},
                     {"The other patients have been... discharged.", true, nurse},
                     {"Just follow me.", true, nurse},
                     {"Okay.", true, father}};
    receptionLines = {{"The reception is through here.", true, nurse},
                      {"Make sure you don't get lost!", true, nurse},
                      {"... it's pretty dark out there.", true, nurse},
                      {"...", true, father},
                      {"Sure, thanks for the heads-up.", true, father}};
    if (!completed)
        gAmbientLight = 0.0f;
}

bool NurseEvent::HeldPressed() const
{
    if (!gameController)
        return false;
    if (gameController->dialogueActive || gameController->imageActive || gameController->teleportActive ||
        gameController->dying)
        return false;
    return ActionPressed(interactAction);
}

void NurseEvent::ApplyCompletion()
{
    completionApplied = true;
    gAmbientLight = 0.2f;
    if (playerBehaviour)
        playerBehaviour->canRun = true;
    MoveTo(falseCeiling, kCeilingX, kCeilingY);
    SwapAllNamed("Flooring", "TilesDirty.png");
}

void NurseEvent::UpdateStory(float dt)
{
    if (completed) {
        if (!completionApplied)
            ApplyCompletion();
        return;
    }

    if (awaitingTorch && HeldPressed()) {
        gAmbientLight = 0.2f;
        awaitingTorch = false;
        if (playerBehaviour) {
            playerBehaviour->ToggleTorch();
            playerBehaviour->showPrompt = false;
            playerBehaviour->canRun = true;
        }
        if (gameController)
            gameController->LockPlayer(false);
        if (worldBgm) {
            worldBgm->SetAudio("opening", false);
            worldBgm->looping = false;
            worldBgm->Play();
        }
        completed = true;
        completionApplied = true;
        return;
    }

    if (!wakeUpStarted && Overlap(player, startTrigger)) {
        Say(wakeUpLines);
        wakeUpStarted = true;
    }
    TalkAt(startTrigger1, followMeStarted, followMeLines, walkingToWaypoint1);
    TalkAt(startTrigger2, hospitalStarted, hospitalLines, walkingToWaypoint2);
    TalkAt(startTrigger3, receptionStarted, receptionLines, receptionDone);

    if (!heldAtExit && Overlap(player, startTrigger4)) {
        if (gameController)
            gameController->LockPlayer(true);
        heldAtExit = true;
    }

    Walk(walkingToWaypoint1, true, waypoint1, followMeStarted, dt);
    Walk(walkingToWaypoint2, false, waypoint2, hospitalStarted, dt);

    if (!heldAtExit)
        return;
    if (receptionDone) {
        TransformWorld(dt);
        return;
    }
    const bool inside = Overlap(player, startTrigger4);
    UpdateExitBlock();
    if (inside && heldAtExit && playerBehaviour && startTrigger4) {
        playerBehaviour->StopAtWall(PositionOf(startTrigger4));
        PushOutOfExit();
    }
}

void NurseEvent::PushOutOfExit()
{
    // The wall step alone leaves him inside when he walked in deeper than it (a frame's walk
    // plus the frame the boxes lag): the press would free him only to be held again at once.
    const std::shared_ptr<Collider> own = player ? player->GetComponent<Collider>() : nullptr;
    const std::shared_ptr<Collider> zone = startTrigger4 ? startTrigger4->GetComponent<Collider>() : nullptr;
    const std::shared_ptr<Transform> transform = player ? player->GetComponent<Transform>() : nullptr;
    if (!own || !zone || !transform)
        return;
    constexpr float kClearance = 0.05f;
    const Vector3 p = transform->GetPosition();
    const Vector3 z0 = zone->GetMin();
    const Vector3 z1 = zone->GetMax();
    const float halfW = (own->GetMax().x - own->GetMin().x) * 0.5f;
    const float halfH = (own->GetMax().y - own->GetMin().y) * 0.5f;
    const float cx = p.x + own->offset.x;
    const float cy = p.y + own->offset.y;
    // The shortest way out of the box, measured from where he stands now.
    const float outLeft = (cx + halfW) - z0.x;
    const float outRight = z1.x - (cx - halfW);
    const float outDown = (cy + halfH) - z0.y;
    const float outUp = z1.y - (cy - halfH);
    const float best = std::min(std::min(outLeft, outRight), std::min(outDown, outUp));
    if (best < 0.0f)
        return;
    if (best == outLeft)
        transform->SetPosition(Vector2(p.x - outLeft - kClearance, p.y));
    else if (best == outRight)
        transform->SetPosition(Vector2(p.x + outRight + kClearance, p.y));
    else if (best == outDown)
        transform->SetPosition(Vector2(p.x, p.y - outDown - kClearance));
    else
        transform->SetPosition(Vector2(p.x, p.y + outUp + kClearance));
}

void NurseEvent::TalkAt(const std::shared_ptr<GameObject>& trigger, bool& started,
                        const std::vector<DialogueLine>& lines, bool& followUp)
{
    if (!Overlap(player, trigger))
        return;
    if (!started) {
        Say(lines);
        started = true;
        return;
    }
    if (PlayerFree()) {
        followUp = true;
        Hide(trigger);
    }
}

void NurseEvent::Walk(bool& walking, bool alongX, const std::shared_ptr<GameObject>& waypoint, bool& talkFlag,
                      float dt)
{
    if (!walking)
        return;
    std::shared_ptr<GameObject> nurse = OwnerHandle();
    const std::shared_ptr<Sprite> sprite = SpriteOf(nurse);
    const Vector3 here = PositionOf(nurse);
    const Vector3 goal = PositionOf(waypoint);
    // She stops exactly on the waypoint's line, however long the frame.
    const Vector2 mark = alongX ? Vector2(goal.x, here.y) : Vector2(here.x, goal.y);
    const bool going = waypoint && nurse && !WalkTo(nurse, mark, walkSpeed, dt);
    if (going) {
        const int frame = alongX ? 5 : 1;
        if (sprite) {
            sprite->animateFlag = true;
            if (sprite->startFrame != frame) {
                sprite->SetFrame(frame);
                sprite->animationCount = alongX ? 4 : 3;
            }
        }
        return;
    }
    SetVelocity(nurse, 0.0f, 0.0f);
    if (sprite) {
        sprite->animateFlag = false;
        sprite->SetFrame(0);
    }
    talkFlag = false;
    walking = false;
}

void NurseEvent::UpdateExitBlock()
{
    const std::shared_ptr<Sprite> textBox = GameController::GetTextBoxSprite();
    const std::shared_ptr<Sprite> chat = SpriteOf(chatBox);
    if (!exitMessageShown) {
        exitMessageShown = true;
        if (textBox) {
            textBox->transparency = 1.0f;
            textBox->SetFrame(10);
        }
        if (chat)
            chat->transparency = 1.0f;
    }
    if (!HeldPressed())
        return;
    if (textBox)
        textBox->transparency = 0.0f;
    if (chat)
        chat->transparency = 0.0f;
    exitMessageShown = false;
    heldAtExit = false;
    if (gameController)
        gameController->LockPlayer(false);
}

void NurseEvent::SetTorch(bool on)
{
    if (torchLight)
        torchLight->HalfAngle = on ? kFullCircle : 0.0f;
    gLightsDirty = true;
}

void NurseEvent::TransformWorld(float dt)
{
    // Each step of the change happens when the countdown passes its mark, so a long frame
    // runs every step it skipped over, in order, and a frame of 0 repeats nothing.
    const float before = transformTimer;
    if (!worldChangeStarted) {
        worldChangeStarted = true;
        if (gameController)
            gameController->ChangeBGM("bgm1", false);
        if (gAudioSystem)
            gAudioSystem->soundGroup.Stop();
        SetSoundAndPlay(player, "electricity", true);
        SetTorch(false);
    }
    transformTimer -= dt;
    const float after = transformTimer;
    auto passes = [&](float mark) { return before >= mark && after < mark; };
    if (passes(2.8f)) {
        SetTorch(true);
        SwapAllNamed("Wall", "WallDirty_1x1.png");
    }
    if (passes(2.6f))
        SetTorch(false);
    if (passes(2.2f)) {
        SetTorch(true);
        SwapAllNamed("Flooring", "TilesDirty.png");
        std::shared_ptr<GameObject> nurse = OwnerHandle();
        if (const std::shared_ptr<Sprite> sprite = SpriteOf(nurse)) {
            sprite->numRows = 1;
            sprite->numColumns = 1;
            sprite->frameCount = 1;
            SwapPicture(nurse, "NurseEvil.png");
            sprite->SetFrame(0);
            sprite->animateFlag = false;
        }
    }
    if (passes(1.8f))
        SetTorch(false);
    if (passes(1.2f))
        SetTorch(true);
    if (passes(0.6f))
        SetTorch(false);
    if (after > 0.0f)
        return;

    if (!worldTransformed && playerBehaviour && playerBehaviour->frozen) {
        worldTransformed = true;
        awaitingTorch = true;
        if (gameController)
            gameController->ChangeBGM("bgm3", false);
        playerBehaviour->showPrompt = true;
    }
    MoveTo(falseCeiling, kCeilingX, kCeilingY);
    Hide(OwnerHandle());
    Hide(startTrigger4);
}

std::shared_ptr<Component> NurseEvent::Clone() const
{
    return std::make_shared<NurseEvent>(*this);
}

void NurseEvent::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void NurseEvent::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
