#include "gameplay/InteractEvent.h"

#include <istream>
#include <ostream>

#include "gameplay/GameController.h"
#include "objects/GameObject.h"
#include "objects/TextWriters.h"

InteractEvent::InteractEvent() : Component(kTypeId)
{
}

void InteractEvent::Init()
{
    typeId = kTypeId;
}

void InteractEvent::Update(float dt)
{
    (void)dt;
}

void InteractEvent::SetText(const std::string& text)
{
    (void)text;
}

void InteractEvent::Inspector(int id)
{
    (void)id;
}

std::shared_ptr<Component> InteractEvent::Clone() const
{
    return std::make_shared<InteractEvent>(*this);
}

void InteractEvent::Serialize(std::ostream& stream) const
{
    // Empty texts get a placeholder token: an empty line would shift every later token.
    WriteString(stream, GetTypeName());
    WriteString(stream, "FileName");
    WriteString(stream, ToToken(fileName));
    WriteString(stream, "TextCounter");
    WriteString(stream, std::to_string(textCounter));
    WriteString(stream, "InteractDelay");
    WriteFloat(stream, interactDelay);
    WriteString(stream, "AudioName");
    WriteString(stream, ToToken(audioName));
}

void InteractEvent::Deserialize(std::istream& stream)
{
    std::string key;
    std::string token;
    if (!(stream >> key >> token))
        return;
    fileName = FromToken(token);
    if (!(stream >> key >> textCounter >> key >> interactDelay >> key >> token))
        return;
    audioName = FromToken(token);
}
