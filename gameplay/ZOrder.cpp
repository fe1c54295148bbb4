#include "gameplay/ZOrder.h"

#include <ostream>

#include "objects/TextWriters.h"

ZOrder::ZOrder() : Component(kTypeId)
{
}

void ZOrder::Init()
{
    typeId = kTypeId;
}

void ZOrder::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> ZOrder::Clone() const
{
    return std::make_shared<ZOrder>(*this);
}

void ZOrder::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void ZOrder::Deserialize(std::istream& stream)
{
    (void)stream;
}
