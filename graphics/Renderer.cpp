#include "graphics/Renderer.h"

#include <imgui.h>

#include <istream>
#include <ostream>

#include "editor/FieldOwner.h"
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
    WriteString(stream, "Casts Shadow");
    WriteString(stream, castsShadow ? "1" : "0");
}

void Renderer::Deserialize(std::istream& stream)
{
    // The key is two words.
    std::string casts;
    std::string shadow;
    int flag = 0;
    if (stream >> casts >> shadow >> flag)
        castsShadow = flag != 0;
}

void Renderer::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Renderer"))
        return;
    ImGui::Spacing();
    ImGui::Text("Renderer ID #%d", id);
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);
    ImGui::Checkbox("Casts Shadow", &castsShadow);
    ImGui::PopItemWidth();
}
