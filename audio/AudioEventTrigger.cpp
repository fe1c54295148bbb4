#include "audio/AudioEventTrigger.h"

#include <ostream>

#include "audio/Audio.h"
#include "engine/LoggingSystem.h"
#include "objects/GameObject.h"
#include "objects/ObjectList.h"
#include "objects/TextWriters.h"
#include "physics/Physics.h"

AudioEventTrigger::AudioEventTrigger() : Component(kTypeId)
{
}

void AudioEventTrigger::Init()
{
    typeId = kTypeId;
    audio = owner ? owner->GetComponent<Audio>() : nullptr;
    player = FindObjectByName("Player");
}

std::shared_ptr<GameObject> AudioEventTrigger::FindCollaborators()
{
    // Either may come later (the editor adds components and objects one at a time).
    if (!audio && owner)
        audio = owner->GetComponent<Audio>();
    std::shared_ptr<GameObject> found = player.lock();
    if (!found) {
        found = FindObjectByName("Player");
        player = found;
    }
    if (audio && found && owner)
        return found;
    if (!reportedMissing)
        Framework::ReportError("AudioTrigger on \"" + (owner ? owner->name : std::string("(no object)")) +
                               "\": " + (!audio ? "no Audio on its object" : "no object named \"Player\"") +
                               "; the area stays quiet");
    reportedMissing = true;
    return nullptr;
}

void AudioEventTrigger::Update(float dt)
{
    (void)dt;
    const std::shared_ptr<GameObject> target = FindCollaborators();
    if (!target)
        return;

    const bool overlapping = Framework::Physics::CheckCollision(*owner, *target);
    if (overlapping && !inside)
    {
        audio->Play();
        inside = true;
    }
    // Leaving re-arms the area only for a looping sound; a one-shot stays played.
    if (!overlapping && inside && audio->looping)
    {
        audio->Stop();
        inside = false;
    }
}

std::shared_ptr<Component> AudioEventTrigger::Clone() const
{
    // A fresh trigger, not a copy: a copied area would start already fired.
    return std::make_shared<AudioEventTrigger>();
}

void AudioEventTrigger::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void AudioEventTrigger::Deserialize(std::istream& stream)
{
    (void)stream;
}
