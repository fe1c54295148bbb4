#include "graphics/LightSource.h"

#include <ostream>

#include "objects/TextWriters.h"

LightSource::LightSource(float halfAngle) : Component(kTypeId), HalfAngle(halfAngle)
{
}

void LightSource::Init()
{
    typeId = kTypeId;
}

std::shared_ptr<Component> LightSource::Clone() const
{
    return std::make_shared<LightSource>(*this);
}

void LightSource::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void LightSource::Deserialize(std::istream& stream)
{
    (void)stream;
}
