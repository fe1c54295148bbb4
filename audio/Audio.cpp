#include "audio/Audio.h"

#include <ostream>

#include "objects/TextWriters.h"

Audio::Audio() : Component(kTypeId)
{
}

void Audio::Init()
{
    typeId = kTypeId;
}

void Audio::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> Audio::Clone() const
{
    return std::make_shared<Audio>(*this);
}

void Audio::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void Audio::Deserialize(std::istream& stream)
{
    (void)stream;
}
