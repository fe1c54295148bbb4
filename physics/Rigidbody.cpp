#include "physics/Rigidbody.h"

#include <ostream>

#include "objects/TextWriters.h"

Rigidbody::Rigidbody(float mass_) : Component(kTypeId), mass(mass_), inverseMass(1.0f / mass_)
{
}

void Rigidbody::Init()
{
    typeId = kTypeId;
}

void Rigidbody::Update(float dt)
{
    (void)dt;
}

std::shared_ptr<Component> Rigidbody::Clone() const
{
    return std::make_shared<Rigidbody>(*this);
}

void Rigidbody::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
}

void Rigidbody::Deserialize(std::istream& stream)
{
    (void)stream;
}
