#include "events/FamiliarDoll.h"

#include <ostream>

#include "objects/GameObject.h"
#include "objects/TextWriters.h"

FamiliarDoll::FamiliarDoll() : Component(kTypeId)
{
}

void FamiliarDoll::Init()
{
    typeId = kTypeId;
}

void FamiliarDoll::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> FamiliarDoll::Clone() const
{
    return std::make_shared<FamiliarDoll>(*this);
}

void FamiliarDoll::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void FamiliarDoll::Deserialize(std::istream& stream)
{
    (void)stream;
}
