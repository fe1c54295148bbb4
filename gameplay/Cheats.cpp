#include "gameplay/Cheats.h"

#include <ostream>

#include "objects/TextWriters.h"

Cheats::Cheats() : Component(kTypeId)
{
}

void Cheats::Init()
{
    typeId = kTypeId;
}

void Cheats::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> Cheats::Clone() const
{
    return std::make_shared<Cheats>(*this);
}

void Cheats::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void Cheats::Deserialize(std::istream& stream)
{
    (void)stream;
}
