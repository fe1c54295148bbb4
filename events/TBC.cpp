#include "events/TBC.h"

#include <ostream>

#include "objects/TextWriters.h"

TBC::TBC() : Component(kTypeId)
{
}

void TBC::Init()
{
    typeId = kTypeId;
}

void TBC::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> TBC::Clone() const
{
    return std::make_shared<TBC>(*this);
}

void TBC::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void TBC::Deserialize(std::istream& stream)
{
    (void)stream;
}
