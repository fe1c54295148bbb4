#include "events/GirlStory.h"

#include <ostream>

#include "objects/TextWriters.h"

GirlStory::GirlStory() : Component(kTypeId)
{
}

void GirlStory::Init()
{
    typeId = kTypeId;
}

void GirlStory::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> GirlStory::Clone() const
{
    return std::make_shared<GirlStory>(*this);
}

void GirlStory::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void GirlStory::Deserialize(std::istream& stream)
{
    (void)stream;
}
