#include "graphics/Sprite.h"

#include <imgui.h>

#include <algorithm>
#include <climits>
#include <istream>
#include <ostream>

#include "editor/FieldOwner.h"
#include "editor/FieldText.h"
#include "editor/ValueFields.h"
#include "engine/LoggingSystem.h"
#include "graphics/GLTexture.h"
#include "graphics/Mesh.h"
#include "graphics/TextureSystem.h"
#include "objects/TextWriters.h"

namespace
{
const char* const kEmptySheet = "Empty_1x1.png";

std::shared_ptr<GLTexture> LookUpTexture(const std::string& name)
{
    if (!gTextureSystem)
        return nullptr;
    return gTextureSystem->GetTexture(name);
}

void WriteInt(std::ostream& stream, int value)
{
    WriteString(stream, std::to_string(value));
}

void WriteBool(std::ostream& stream, bool value)
{
    WriteString(stream, value ? "1" : "0");
}

// A grid count read from a file: below 1 cannot place a frame.
int CheckedCount(int value, const char* key, const std::string& textureName)
{
    if (value >= 1)
        return value;
    Framework::ReportError(std::string("Sprite \"") + textureName + "\": " + key + " " + std::to_string(value) +
                           " cannot place a frame; using 1");
    return 1;
}
} // namespace

Sprite::Sprite() : Component(kTypeId)
{
}

Sprite::Sprite(std::string name) : Component(kTypeId)
{
    texture = LookUpTexture(name);
    textureName = name;
}

void Sprite::Init()
{
    typeId = kTypeId;
    mesh = std::make_shared<Mesh>();
    mesh->Upload();
    currentFrame = startFrame;
    const SpriteCell cell = CellOfFrame(startFrame, numColumns);
    row = cell.row;
    column = cell.column;
    UpdateUV();
}

void Sprite::Update(float dt)
{
    if (TickAnimationClock(animationTimer, animationDelay, dt))
        Animate();
}

std::shared_ptr<Component> Sprite::Clone() const
{
    return std::make_shared<Sprite>(*this);
}

void Sprite::ShowCell(SpriteCell cell)
{
    shown = cell;
    const QuadUV uv = CellUV(cell, numRows, numColumns, flipX, flipY);
    for (int i = 0; i < 4; ++i) {
        corners[i].u = uv.u[i];
        corners[i].v = uv.v[i];
    }
    // The draw reads the corners from memory each frame; sending them to the mesh's own GL
    // buffer on every animation step would only cost a driver call.
    if (mesh)
        mesh->vertices = corners;
}

void Sprite::UpdateUV()
{
    ShowCell(SpriteCell{row, column});
}

void Sprite::SetFlip(bool x, bool y)
{
    flipX = x;
    flipY = y;
    ShowCell(shown);
}

void Sprite::KeepRunInSheet()
{
    const FrameRun run = ::KeepRunInSheet(FrameRun{startFrame, animationCount}, SheetFrames(numRows, numColumns));
    startFrame = run.start;
    animationCount = run.count;
}

void Sprite::SetFrame(int n)
{
    // A frame past the sheet wraps to the cell it would show anyway.
    startFrame = n;
    KeepRunInSheet();
    currentFrame = startFrame;
    const SpriteCell cell = CellOfFrame(startFrame, numColumns);
    row = cell.row;
    column = cell.column;
    UpdateUV();
}

void Sprite::SetTexture(std::string name)
{
    const SheetGrid grid = ParseSheetName(name);
    if (grid.malformed)
        Framework::ReportError("Sprite sheet \"" + name + "\" has an unusable grid; shown as one frame");
    numRows = grid.rows;
    numColumns = grid.columns;
    frameCount = numRows * numColumns;
    UpdateUV();
}

void Sprite::Animate()
{
    if (!animateFlag)
        return;
    // Steps move the shown rectangle on by one cell, so a run may cross into the next row
    // and from the last row back to the first.
    ShowCell(NextCell(shown, numRows, numColumns));
    // Fields written directly may hold anything: the step past the run, or one that would
    // overflow, starts the run again.
    const long long reached = static_cast<long long>(currentFrame) - startFrame;
    if (reached < 0 || reached >= animationCount || currentFrame == INT_MAX) {
        UpdateUV();
        currentFrame = startFrame;
    } else {
        currentFrame += 1;
    }
}

void Sprite::Serialize(std::ostream& stream) const
{
    WriteString(stream, GetTypeName());
    WriteString(stream, ToToken(textureName, kEmptySheet));
    WriteString(stream, "Color");
    WriteVec3(stream, color);
    WriteString(stream, "Transparency");
    WriteFloat(stream, transparency);
    WriteString(stream, "NumColumns");
    WriteInt(stream, numColumns);
    WriteString(stream, "NumRows");
    WriteInt(stream, numRows);
    WriteString(stream, "AnimationDelay");
    WriteFloat(stream, animationDelay);
    WriteString(stream, "AnimateFlag");
    WriteBool(stream, animateFlag);
    // A run the reader would cut (a start edit left before its tie applied) is written cut.
    const FrameRun run = ::KeepRunInSheet(FrameRun{startFrame, animationCount}, SheetFrames(numRows, numColumns));
    WriteString(stream, "StartFrame");
    WriteInt(stream, run.start);
    WriteString(stream, "AnimationCount");
    WriteInt(stream, run.count);
    WriteString(stream, "FlipX");
    WriteBool(stream, flipX);
    WriteString(stream, "FlipY");
    WriteBool(stream, flipY);
    WriteString(stream, "LightAffected");
    WriteBool(stream, lightAffected);
}

void Sprite::Deserialize(std::istream& stream)
{
    if (!(stream >> textureName))
        return;
    texture = LookUpTexture(textureName);
    if (!texture)
        texture = LookUpTexture(kEmptySheet);

    std::string key;
    int flag = 0;
    if (!(stream >> key >> color.x >> color.y >> color.z))
        return;
    if (!(stream >> key >> transparency))
        return;
    // A count that does not read (too large for an int, say) leaves a usable grid behind.
    int count = 1;
    const bool columnsRead = static_cast<bool>(stream >> key >> count);
    numColumns = columnsRead ? CheckedCount(count, "NumColumns", textureName) : 1;
    if (!columnsRead)
        return;
    count = 1;
    const bool rowsRead = static_cast<bool>(stream >> key >> count);
    numRows = rowsRead ? CheckedCount(count, "NumRows", textureName) : 1;
    // The editor's frame fields range over the sheet read, as over one picked.
    frameCount = SheetFrames(numRows, numColumns);
    if (!rowsRead)
        return;
    if (!(stream >> key >> animationDelay))
        return;
    if (!(stream >> key >> flag))
        return;
    animateFlag = flag != 0;
    const bool startRead = static_cast<bool>(stream >> key >> startFrame);
    const bool countRead = startRead && static_cast<bool>(stream >> key >> animationCount);
    const FrameRun read{startFrame, animationCount};
    KeepRunInSheet();
    if (startFrame != read.start || animationCount != read.count)
        Framework::ReportError("Sprite \"" + textureName + "\": frames " + std::to_string(read.start) + " + " +
                               std::to_string(read.count) + " run past its " +
                               std::to_string(SheetFrames(numRows, numColumns)) + " frames; using " +
                               std::to_string(startFrame) + " + " + std::to_string(animationCount));
    if (!countRead)
        return;
    if (!(stream >> key >> flag))
        return;
    flipX = flag != 0;
    if (!(stream >> key >> flag))
        return;
    flipY = flag != 0;
    if (!(stream >> key >> flag))
        return;
    lightAffected = flag != 0;
}

void Sprite::ApplyTexture(const std::string& name)
{
    texture = LookUpTexture(name);
    textureName = name;
    texturePickPending = false;
    SetTexture(name);
}

void Sprite::Inspector(int id)
{
    if (!FieldOwner::PanelHeader("Sprite"))
        return;
    ImGui::Spacing();
    ImGui::Text("Sprite ID #%d", id);
    ImGui::Spacing();
    ImGui::PushItemWidth(0.7f * ImGui::GetContentRegionAvail().x);

    ImGui::Text("Sprite");
    ImGui::SameLine();
    if (FieldText::Button(textureName.empty() ? "Choose Texture" : textureName))
        ImGui::OpenPopup("Sprite List1");
    if (ImGui::BeginPopup("Sprite List1")) {
        const std::vector<std::string> names =
            gTextureSystem ? gTextureSystem->GetTextureNames() : std::vector<std::string>();
        for (const std::string& name : names) {
            if (FieldText::Selectable(name))
                ApplyTexture(name);
        }
        ImGui::EndPopup();
    }
    if (ImGui::Button("Open and Load Texture") && gTextureSystem) {
        gTextureSystem->OpenTextureDialog();
        texturePickPending = true;
    }
    ImGui::Text("Whole sprite of %s", FieldText::Shown(textureName).c_str());

    ImGui::Text("Color");
    float rgba[4] = {color.x, color.y, color.z, transparency};
    if (ValueFields::ColorPicker4("##Color", rgba, ImGuiColorEditFlags_AlphaBar)) {
        color = Vector3(rgba[0], rgba[1], rgba[2]);
        transparency = rgba[3];
    }

    bool wantX = flipX;
    bool wantY = flipY;
    const bool changedX = ImGui::Checkbox("Flip X ", &wantX);
    const bool changedY = ImGui::Checkbox("Flip Y ", &wantY);
    if (changedX || changedY)
        SetFlip(wantX, wantY);

    ImGui::Checkbox("Animate ", &animateFlag);
    if (animateFlag) {
        // The frames the fields take: the sheet's as last chosen, and never past the grid the
        // file keeps, which its reader holds the run to.
        const int frames = std::max(1, std::min(frameCount, SheetFrames(numRows, numColumns)));
        int start = startFrame;
        if (ValueFields::DragInt("Animation Start Frame ", &start, 1.0f, 0, frames - 1)) {
            // The frame shows at once; the run's length follows only the start the edit ends with.
            startFrame = currentFrame = start;
            const SpriteCell cell = CellOfFrame(start, numColumns);
            row = cell.row;
            column = cell.column;
            UpdateUV();
        }
        if (ValueFields::Settled())
            KeepRunInSheet();
        ValueFields::DragInt("Animate Number Of Frame ", &animationCount, 1.0f, 0,
                             std::max(0, frames - startFrame - 1));
        ValueFields::DragFloat("Delay ", &animationDelay, 0.01f, 0.0f, 0.0f, "%.3f");
    }
    ImGui::Checkbox("Is Affected By Light", &lightAffected);
    ImGui::PopItemWidth();
}
