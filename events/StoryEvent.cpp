#include "events/StoryEvent.h"

#include <cmath>
#include <istream>
#include <ostream>

#include "gameplay/GameController.h"
#include "gameplay/PlayerBehaviour.h"
#include "gameplay/PlayerReach.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"

StoryEvent::StoryEvent(int typeId) : Component(typeId)
{
}

void StoryEvent::Update(float dt)
{
    if (!worldRead) {
        worldRead = true;
        ReadWorld();
    }
    UpdateStory(dt);
}

std::shared_ptr<GameObject> StoryEvent::OwnerHandle() const
{
    const GameObject* owner = GetOwner();
    return owner ? FindObjectById(owner->id) : nullptr;
}

void StoryEvent::FindStoryCollaborators()
{
    player = Find("Player");
    playerBehaviour = player ? player->GetComponent<PlayerBehaviour>() : nullptr;
    if (player && !playerBehaviour)
        ReportMissing(GetName(), "PlayerBehaviour on \"Player\"");
    gameController = FindComponent<GameController>("GameController", "GameController");
    if (gameController)
        interactAction = gameController->GetInteractAction();
}

std::shared_ptr<GameObject> StoryEvent::Find(const std::string& name) const
{
    return FindRequired(GetName(), name);
}

bool StoryEvent::PlayerOverlaps(const GameObject* object) const
{
    return PlayerReach::Overlaps(object ? object : GetOwner(), player);
}

bool StoryEvent::UpdatePrompt(const GameObject* object)
{
    return PlayerReach::UpdatePrompt(GetName(), object ? object : GetOwner(), player, promptShown);
}

void StoryEvent::ClearPrompt()
{
    if (!promptShown)
        return;
    promptShown = false;
    if (playerBehaviour)
        playerBehaviour->showPrompt = false;
}

bool StoryEvent::InteractPressed() const
{
    return PlayerReach::InteractPressed(gameController, interactAction);
}

void StoryEvent::Say(const std::vector<DialogueLine>& lines, bool question)
{
    if (!gameController)
        return;
    questionAsked = question;
    gameController->StartDialogue(lines, question, false, false, 0.01f);
}

bool StoryEvent::PlayerFree() const
{
    return !gameController || !gameController->playerLocked;
}

bool StoryEvent::AnswerReady(bool& yes)
{
    if (!questionAsked)
        return false;
    if (!gameController) {
        // Nobody can ask: the question counts as declined rather than pending for ever.
        questionAsked = false;
        yes = false;
        return true;
    }
    if (gameController->askQuestion)
        return false;
    questionAsked = false;
    yes = gameController->answer;
    gameController->choiceArmed = false;
    gameController->choiceShown = false;
    return true;
}

void StoryEvent::WriteFlag(std::ostream& stream, const char* key, bool value)
{
    WriteString(stream, key);
    WriteString(stream, value ? "1" : "0");
}

void StoryEvent::WriteInt(std::ostream& stream, const char* key, int value)
{
    WriteString(stream, key);
    WriteString(stream, std::to_string(value));
}

void StoryEvent::WriteFloat(std::ostream& stream, const char* key, float value)
{
    WriteString(stream, key);
    ::WriteFloat(stream, value);
}

bool StoryEvent::ReadFlag(std::istream& stream, bool& value)
{
    std::string key;
    int flag = 0;
    if (!(stream >> key >> flag))
        return false;
    value = flag != 0;
    return true;
}

bool StoryEvent::ReadInt(std::istream& stream, int& value)
{
    std::string key;
    int read = 0;
    if (!(stream >> key >> read))
        return false;
    value = read;
    return true;
}

bool StoryEvent::ReadFloat(std::istream& stream, float& value)
{
    std::string key;
    float read = 0.0f;
    if (!(stream >> key >> read) || !std::isfinite(read))
        return false;
    value = read;
    return true;
}
