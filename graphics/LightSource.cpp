#include "graphics/LightSource.h"

#include <imgui.h>

#include <istream>
#include <ostream>

#include "editor/FieldOwner.h"
#include "editor/ValueFields.h"
#include "objects/TextWriters.h"

namespace
{
constexpr float kPi = 3.1415927f;
}

LightSource::LightSource(float halfAngle) : Component(kTypeId), HalfAngle(halfAngle)
{
}

void LightSource::Init()
{
    typeId = kTypeId;
}

std::shared_ptr<Component> LightSource::Clone() const
{
    return std::make_shared<LightSource>(*this);
}

void LightSource::SetColour(const Vector3& rgb255)
{
    Colour.x = rgb255.x / 255.0f;
    Colour.y = rgb255.y / 255.0f;
    Colour.z = rgb255.z / 255.0f;
    gLightsDirty = true;
}

Vector3 LightSource::GetColour() const
{
    return Vector3(Colour.x, Colour.y, Colour.z);
}

LightParams LightSource::GetParams() const
{
    LightParams params;
    params.angle = Angle;
    params.cutoffDistance = CutoffDistance;
    params.halfAngle = HalfAngle;
    params.hardLightRatio = HardLightRatio;
    params.colour[0] = Colour.x;
    params.colour[1] = Colour.y;
    params.colour[2] = Colour.z;
    params.colour[3] = Colour.w;
    params.position[0] = Position.x;
    params.position[1] = Position.y;
    params.position[2] = Position.z;
    params.minimumBrightness = MinimumBrightness;
    return params;
}

void LightSource::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, "Enabled");
    WriteString(stream, Enabled ? "1" : "0");
    WriteString(stream, "HalfAngle");
    WriteFloat(stream, HalfAngle);
    WriteString(stream, "Position");
    WriteVec3(stream, Position);
    WriteString(stream, "HardLightRatio");
    WriteFloat(stream, HardLightRatio);
    WriteString(stream, "MinimumBrightness");
    WriteFloat(stream, MinimumBrightness);
    WriteString(stream, "CutoffDistance");
    WriteFloat(stream, CutoffDistance);
    WriteString(stream, "Colour");
    WriteVec3(stream, GetColour());
}

void LightSource::Deserialize(std::istream& stream)
{
    // Whatever happens below, the packed parameters must be rewritten.
    gLightsDirty = true;
    std::string key;
    int enabled = 1;
    if (!(stream >> key >> enabled))
        return;
    Enabled = enabled != 0;
    if (!(stream >> key >> HalfAngle))
        return;
    if (!(stream >> key >> Position.x >> Position.y >> Position.z))
        return;
    if (!(stream >> key >> HardLightRatio))
        return;
    if (!(stream >> key >> MinimumBrightness))
        return;
    if (!(stream >> key >> CutoffDistance))
        return;
    stream >> key >> Colour.x >> Colour.y >> Colour.z;
}

void LightSource::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("LightSource"))
        return;
    ImGui::Spacing();
    ImGui::Text("LightSource ID #%d", id);
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);

    bool enabled = Enabled;
    if (ImGui::Checkbox("Enabled ", &enabled) && enabled != Enabled) {
        Enabled = enabled;
        gLightsDirty = true;
    }

    float position[2] = {Position.x, Position.y};
    if (ValueFields::InputFloat2("Light Position", position, "%.2f")) {
        Position.x = position[0];
        Position.y = position[1];
        gLightsDirty = true;
    }

    float colour[3] = {Colour.x * 255.0f, Colour.y * 255.0f, Colour.z * 255.0f};
    if (ValueFields::DragFloat3("Light Colour", colour, 1.0f, 0.0f, 255.0f)) {
        Colour.x = colour[0] / 255.0f;
        Colour.y = colour[1] / 255.0f;
        Colour.z = colour[2] / 255.0f;
        gLightsDirty = true;
    }

    float cutoff = CutoffDistance;
    if (ValueFields::DragFloat("CutOff distance", &cutoff, 10.0f, 0.0f, 0.0f, "%.3f")) {
        CutoffDistance = cutoff < 0.0f ? 0.0f : cutoff;
        gLightsDirty = true;
    }

    float hard = HardLightRatio * 100.0f;
    if (ValueFields::SliderFloat("Hard Light Ratio", &hard, 0.0f, 100.0f, "%.1f")) {
        HardLightRatio = (hard < 0.0f ? 0.0f : hard) / 100.0f;
        gLightsDirty = true;
    }

    float minimum = MinimumBrightness * 100.0f;
    if (ValueFields::SliderFloat("Minimum Brightness", &minimum, 0.0f, 100.0f, "%.1f")) {
        MinimumBrightness = (minimum < 0.0f ? 0.0f : minimum) / 100.0f;
        gLightsDirty = true;
    }

    bool spot = Position.z == 1.0f;
    if (ImGui::Checkbox("Is Spot Light ", &spot)) {
        Position.z = spot ? 1.0f : 0.0f;
        gLightsDirty = true;
    }
    ImGui::PopItemWidth();

    if (Position.z == 1.0f) {
        ImGui::Spacing();
        ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);
        float degrees = HalfAngle * 180.0f / kPi;
        if (ValueFields::SliderFloat("Half Angle", &degrees, 0.0f, 180.0f, "%.1f")) {
            HalfAngle = degrees > 0.0f ? degrees * kPi / 180.0f : 0.0f;
            gLightsDirty = true;
        }
        ImGui::PopItemWidth();
    }
}
