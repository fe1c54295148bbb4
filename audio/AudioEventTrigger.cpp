#include "audio/AudioEventTrigger.h"

#include <ostream>

#include "audio/Audio.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

AudioEventTrigger::AudioEventTrigger() : Component(kTypeId)
{
}

void AudioEventTrigger::Init()
{
    typeId = kTypeId;
}

void AudioEventTrigger::Update(float dt)
{
    (void)dt;
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
