#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "engine/Vector3.h"
#include "graphics/Mesh.h"
#include "graphics/SpriteSheet.h"
#include "objects/Component.h"

class GLTexture;

// Gives its object a picture: a texture cut into a grid of equal frames (row 0 at the top of
// the image), one frame shown on the sprite's own quad, tinted, faded, optionally mirrored and
// stepped through a run of frames on a timer. Frame changes keep the mirroring that flipX and
// flipY ask for. The maths lives in SpriteSheet.h; the quad only carries its result.
class Sprite : public Component
{
public:
    static constexpr int kTypeId = 1;

    Sprite();
    // Takes the texture of that name from the texture system; the grid stays 1 x 1.
    explicit Sprite(std::string name);

    static std::string GetTypeName() { return "Sprite"; }

    // Makes the quad and shows the start frame (mirrored as the flags say).
    void Init() override;
    // The animation clock: one step when the timer runs out.
    void Update(float dt) override;
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    Vector3 GetColor() const { return color; }
    std::shared_ptr<Mesh> GetMesh() const { return mesh; }

    // Mirrors to the wanted pair and refreshes the quad.
    void SetFlip(bool x, bool y);
    // startFrame = currentFrame = n (wrapped into the sheet, the run cut to fit) and the quad
    // shows frame n.
    void SetFrame(int n);
    // The quad shows the frame at (row, column).
    void UpdateUV();
    // Sets the grid from a sheet file name and refreshes the quad; stores no texture.
    void SetTexture(std::string name);
    // One animation step (nothing while animateFlag is off).
    void Animate();
    // Shows the named sheet: texture, name and grid, as the inspector's list does.
    void ApplyTexture(const std::string& name);

    // The grid cell the quad shows now.
    SpriteCell GetShownCell() const { return shown; }

    // What the draw reads each frame comes first, so it shares the object's first cache lines.
    std::shared_ptr<GLTexture> texture;
    std::shared_ptr<Mesh> mesh;
    float transparency = 1.0f;
    Vector3 color{1.0f, 1.0f, 1.0f};
    bool lightAffected = true;
    // The quad as drawn: the mesh's corners with the shown cell's texture coordinates. Kept
    // with the sprite, so the draw reads one object a sprite rather than following the mesh.
    QuadCorners corners = kUnitQuad;
    std::string textureName;
    // The inspector opened the editor's texture picker for this sprite; the editor hands the
    // pick to ApplyTexture. Not saved.
    bool texturePickPending = false;
    int frameCount = 1;
    int numRows = 1;
    int numColumns = 1;
    int row = 0;
    int column = 0;
    bool flipX = false;
    bool flipY = false;
    float animationDelay = 0.0f;
    float animationTimer = 0.0f;
    bool animateFlag = false;
    int currentFrame = 0;
    int startFrame = 0;
    int animationCount = 0;

    // Set once the draw has reported that this sprite's object has no Transform.
    bool reportedMissingTransform = false;

private:
    // Keeps startFrame and animationCount inside the sheet's grid.
    void KeepRunInSheet();
    // Writes the shown cell's rectangle (mirrored by the flags) into the quad and re-uploads.
    void ShowCell(SpriteCell cell);

    SpriteCell shown;
};
