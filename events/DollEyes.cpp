#include "events/DollEyes.h"

#include <ostream>

#include "objects/GameObject.h"
#include "objects/TextWriters.h"

DollEyes::DollEyes() : Component(kTypeId)
{
}

void DollEyes::Init()
{
    typeId = kTypeId;
}

void DollEyes::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> DollEyes::Clone() const
{
    return std::make_shared<DollEyes>(*this);
}

void DollEyes::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void DollEyes::Deserialize(std::istream& stream)
{
    (void)stream;
}
