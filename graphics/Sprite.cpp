#include "graphics/Sprite.h"

#include <ostream>

#include "objects/TextWriters.h"

Sprite::Sprite() : Component(kTypeId)
{
}

void Sprite::Init()
{
    typeId = kTypeId;
}

void Sprite::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> Sprite::Clone() const
{
    return std::make_shared<Sprite>(*this);
}

void Sprite::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void Sprite::Deserialize(std::istream& stream)
{
    (void)stream;
}
