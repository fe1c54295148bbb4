#include "events/OperatingPuzzle.h"

#include <istream>
#include <ostream>

#include "engine/StepToward.h"
#include "events/StoryActs.h"
#include "gameplay/GameController.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"

using namespace StoryActs;

OperatingPuzzle::OperatingPuzzle() : StoryEvent(kTypeId)
{
}

int OperatingPuzzle::FrameFor(int spot1, int spot2)
{
    // Rows: spot 1 empty, hacksaw, scissors; columns: spot 2 empty, hacksaw, scissors.
    static const int frames[3][3] = {{0, 3, 1}, {6, 6, 2}, {4, 5, 4}};
    if (spot1 < 0 || spot1 > 2 || spot2 < 0 || spot2 > 2)
        return 0;
    return frames[spot1][spot2];
}

void OperatingPuzzle::Init()
{
    typeId = kTypeId;
    table = OwnerHandle();
    FindStoryCollaborators();
    pieces[0] = Find("TablePiece1");
    pieces[1] = Find("TablePiece2");
    spots[0] = Find("TableSpot1");
    spots[1] = Find("TableSpot2");
    icons[0] = Find("Piece1Icon");
    icons[1] = Find("Piece2Icon");
    falseDoor = Find("FalseDoor3");
    camera = Find("Camera");
    newCamPos = PlaceOf(Find("NewCamPos"));
    pickedLines[1] = {{"Picked up Scissors.", false, 0}};
    pickedLines[0] = {{"Picked up Rusty Hacksaw.", false, 0}};
    secretRoomLines = {{"A secret room?", true, 0}};
}

void OperatingPuzzle::ReadWorld()
{
    // Only "Completed" is saved; what lies on the table and what is carried is read back from
    // the table's frame and from which instruments are out of play.
    if (completed)
        return;
    const std::shared_ptr<Sprite> sprite = SpriteOf(table);
    const int frame = sprite ? sprite->startFrame : 0;
    for (int s1 = 0; s1 <= 2; ++s1)
        for (int s2 = 0; s2 <= 2; ++s2)
            if ((s1 != s2 || s1 == 0) && FrameFor(s1, s2) == frame && !(s1 == 1 && s2 == 2)) {
                onSpot[0] = s1;
                onSpot[1] = s2;
            }
    for (int piece = 1; piece <= 2; ++piece) {
        const bool placed = onSpot[0] == piece || onSpot[1] == piece;
        if (IsOutOfPlay(pieces[piece - 1]) && !placed && holding == 0)
            holding = piece;
    }
    // Nothing carried here leaves the shared icons to the room that shows them.
    if (holding != 0)
        SetCarried(holding);
}

void OperatingPuzzle::UpdateStory(float dt)
{
    if (completed) {
        if (!completedApplied) {
            completedApplied = true;
            SetAlpha(pieces[0], 0.0f);
            SetAlpha(pieces[1], 0.0f);
            Hide(falseDoor);
            SetFrame(table, 2);
        }
        return;
    }
    if (revealing) {
        Reveal(dt);
        return;
    }
    const std::shared_ptr<GameObject> targets[4] = {pieces[0], pieces[1], spots[0], spots[1]};
    for (int i = 0; i < 4; ++i) {
        if (!Overlap(player, targets[i]))
            continue;
        UpdatePrompt(targets[i].get());
        if (InteractPressed()) {
            if (i < 2)
                PickUp(i + 1);
            else
                UseSpot(i - 2);
        }
        return;
    }
    ClearPrompt();
}

void OperatingPuzzle::SetCarried(int piece)
{
    holding = piece;
    // The icons are shared with other rooms' items: a shown icon gets the instrument's picture.
    for (int i = 0; i < 2; ++i) {
        if (piece == i + 1)
            ShowIcon(icons[i], iconTextures[i]);
        else
            SetAlpha(icons[i], 0.0f);
    }
}

void OperatingPuzzle::PickUp(int piece)
{
    const std::shared_ptr<GameObject>& picked = pieces[piece - 1];
    PlaySound(picked);
    if (holding != 0 && holding != piece) {
        const Vector3 at = PositionOf(picked);
        MoveTo(pieces[holding - 1], at.x, at.y);
    }
    Hide(picked);
    SetCarried(piece);
    Say(pickedLines[piece - 1]);
}

void OperatingPuzzle::UseSpot(int spot)
{
    const int other = 1 - spot;
    if (holding != 0) {
        const int laid = holding;
        const int taken = onSpot[spot];
        SetCarried(taken);
        if (taken != 0)
            PlaySound(pieces[taken - 1]);
        onSpot[spot] = laid;
        SetFrame(table, FrameFor(onSpot[0], onSpot[1]));
        if (onSpot[0] == 1 && onSpot[1] == 2) {
            revealing = true;
            returnPos = PlaceOf(player);
        }
        PlaySound(table);
        return;
    }
    if (onSpot[spot] == 0)
        return;
    const int taken = onSpot[spot];
    SetCarried(taken);
    PlaySound(pieces[taken - 1]);
    onSpot[spot] = 0;
    (void)other;
    SetFrame(table, FrameFor(onSpot[0], onSpot[1]));
}

void OperatingPuzzle::Reveal(float dt)
{
    if (!revealLocked) {
        revealLocked = true;
        if (gameController)
            gameController->LockPlayer(true);
    }
    ClearPrompt();
    revealTimer += dt;
    if (revealTimer <= revealDelay)
        return;
    const Vector3 at = PositionOf(camera);
    const float step = panSpeed * dt;
    // Without a camera there is nothing to pan: the door still opens and the line still closes.
    // Each leg's last step stops on its mark, however long the frame.
    if (!panningBack) {
        if (camera && at.y > newCamPos.y) {
            MoveTo(camera, at.x, Framework::StepToward(at.y, newCamPos.y, step));
        } else if (camera && at.x < newCamPos.x) {
            MoveTo(camera, Framework::StepToward(at.x, newCamPos.x, step), at.y);
        } else {
            PlaySound(falseDoor);
            Hide(falseDoor);
            revealTimer = 0.0f;
            panningBack = true;
        }
        return;
    }
    if (camera && at.x > returnPos.x) {
        MoveTo(camera, Framework::StepToward(at.x, returnPos.x, step), at.y);
    } else if (camera && at.y < returnPos.y) {
        MoveTo(camera, at.x, Framework::StepToward(at.y, returnPos.y, step));
    } else {
        Say(secretRoomLines);
        completed = true;
    }
}

std::shared_ptr<Component> OperatingPuzzle::Clone() const
{
    return std::make_shared<OperatingPuzzle>(*this);
}

void OperatingPuzzle::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteFlag(stream, "Completed", completed);
}

void OperatingPuzzle::Deserialize(std::istream& stream)
{
    ReadFlag(stream, completed);
}
