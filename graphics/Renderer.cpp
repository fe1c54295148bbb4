#include "graphics/Renderer.h"

#include <ostream>

#include "objects/TextWriters.h"

Renderer::Renderer() : Component(kTypeId)
{
}

void Renderer::Init()
{
    typeId = kTypeId;
}

std::shared_ptr<Component> Renderer::Clone() const
{
    return std::make_shared<Renderer>(*this);
}

void Renderer::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void Renderer::Deserialize(std::istream& stream)
{
    (void)stream;
}
