#pragma once

#include <cstdint>
#include <vector>

#include "engine/Matrix4.h"
#include "engine/Vector3.h"
#include "graphics/Mesh.h"
#include "graphics/ViewBox.h"

// Lights a lit quad can be shaded with one by one; a quad that more lights reach is shaded with
// all of the frame's lights.
constexpr int kQuadLightSlots = 8;
// A light slot that holds no light.
constexpr uint8_t kNoLight = 255;

// One vertex of a batched quad: world position, texture coordinate, tint and fade, then the
// light entries that reach the quad in ascending order, kNoLight after the last (44 bytes),
// the layout the stream's vertex array reads.
struct QuadVertex
{
    float x, y, z;
    float u, v;
    float r, g, b, a;
    uint8_t lights[kQuadLightSlots];
};
static_assert(sizeof(QuadVertex) == 44, "the batched vertex is 9 packed floats and 8 light bytes");

// The world box round a batched quad's four corners.
ViewBox BoxOfQuad(const QuadVertex* corners);

// Texture "name" meaning: keep whatever texture is bound when the run is drawn.
constexpr int64_t kTextureAsBound = -1;

// Consecutive quads drawn by one call: the same program and the same texture. The program is
// whatever key the caller tells its programs apart by.
struct QuadRun
{
    unsigned int program = 0;
    int64_t texture = kTextureAsBound;
    uint32_t firstQuad = 0;
    uint32_t quadCount = 0;
};

// A frame's quads in draw order, already placed in the world, grouped into runs. Nothing
// is reordered: a run ends wherever the program or the texture changes, so drawing the runs
// in turn paints exactly what drawing the quads one by one would. GL-free.
class QuadBatch
{
public:
    void Clear();
    // The texture the following quads use, as a bind would set it; kTextureAsBound keeps
    // what was bound before the frame.
    void SetTexture(int64_t texture) { currentTexture = texture; }
    // One quad of Mesh's four corners (their x, y, z and u, v) placed by model, tinted by
    // colour and faded by alpha, drawn by program with the current texture. opaque: every
    // pixel it draws replaces what was there (an opaque texture, alpha 1 or more, and the
    // frame's blending).
    void Add(unsigned int program, const Matrix4& model, const MeshVertex* corners, const Vector3& colour,
             float alpha, bool opaque = false);
    // Whether quad i was added as opaque.
    bool IsOpaque(std::size_t quad) const { return opaque[quad] != 0; }
    // Keeps the quads whose entry is true, in their order, and regroups the runs.
    void KeepOnly(const std::vector<bool>& keep);

    const std::vector<QuadVertex>& Vertices() const { return vertices; }
    // The quad's four vertices, for the draw to fill in its lights.
    QuadVertex* Quad(std::size_t quad) { return vertices.data() + 4 * quad; }
    const std::vector<QuadRun>& Runs() const { return runs; }
    std::size_t QuadCount() const { return vertices.size() / 4; }

private:
    std::vector<QuadVertex> vertices;
    std::vector<QuadRun> runs;
    std::vector<uint8_t> opaque;  // a flag a quad
    int64_t currentTexture = kTextureAsBound;
};
