#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "engine/Vector2.h"
#include "engine/Vector3.h"
#include "objects/Component.h"

// Axis-aligned box around the owner's Transform position; only scale x and y give its
// size (the Transform's own scale does not enter). The box is stored, not derived on demand:
// the overlap query reads what the last Init or Update left.
class Collider : public Component
{
public:
    static constexpr int kTypeId = 2;

    Collider();
    // Scale (size x, size y, 1); everything else zero or off, the line colour black.
    explicit Collider(const Vector2& size);

    static std::string GetTypeName() { return "Collider"; }

    // Sets the box from the owner's Transform; the offset is not applied here.
    void Init() override;
    // Rebuilds the box (offset applied) and draws the outline when asked to.
    void Update(float dt) override;
    // Update's work for the owner's Transform at p, for a walk that holds that Transform already.
    void Follow(const Vector3& p);
    std::string GetName() const override { return GetTypeName(); }
    std::shared_ptr<Component> Clone() const override;
    void Serialize(std::ostream& stream) const override;
    void Deserialize(std::istream& stream) override;
    void Inspector(int id) override;

    Vector3 GetMin() const { return min; }
    Vector3 GetMax() const { return max; }
    // Draws the box outline in lineColor / 255 when showCollider is set (or the editor's
    // outlineShown says so).
    void UpdateDebugLines();

    Vector3 min;
    Vector3 max;
    Vector3 offset;
    Vector3 scale = Vector3(1.0f, 1.0f, 0.0f);
    bool showCollider = false;
    // Set by the editor to show or hide every outline over what showCollider says; never
    // saved, so showing outlines while editing leaves the level file as it was.
    std::optional<bool> outlineShown;
    Vector3 lineColor = Vector3(255.0f, 153.0f, 0.0f);
    bool active = false;

private:
    // False (after one message) when the owner has no Transform to measure from.
    bool ReadPosition(Vector3& position);

    bool reportedNoTransform = false;
};
