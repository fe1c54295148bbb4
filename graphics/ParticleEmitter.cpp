#include "graphics/ParticleEmitter.h"

#include <ostream>

#include "objects/TextWriters.h"

ParticleEmitter::ParticleEmitter() : Component(kTypeId)
{
}

void ParticleEmitter::Init()
{
    typeId = kTypeId;
}

void ParticleEmitter::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> ParticleEmitter::Clone() const
{
    return std::make_shared<ParticleEmitter>(*this);
}

void ParticleEmitter::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void ParticleEmitter::Deserialize(std::istream& stream)
{
    (void)stream;
}
