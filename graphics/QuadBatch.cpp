#include "graphics/QuadBatch.h"

#include <algorithm>
#include <utility>

ViewBox BoxOfQuad(const QuadVertex* corners)
{
    ViewBox box{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
    for (int i = 1; i < 4; ++i) {
        box.minX = std::min(box.minX, corners[i].x);
        box.maxX = std::max(box.maxX, corners[i].x);
        box.minY = std::min(box.minY, corners[i].y);
        box.maxY = std::max(box.maxY, corners[i].y);
    }
    return box;
}

void QuadBatch::Clear()
{
    vertices.clear();
    runs.clear();
    opaque.clear();
    currentTexture = kTextureAsBound;
}

void QuadBatch::Add(unsigned int program, const Matrix4& model, const MeshVertex* corners, const Vector3& colour,
                    float alpha, bool isOpaque)
{
    opaque.push_back(isOpaque ? 1 : 0);
    const uint32_t quad = static_cast<uint32_t>(QuadCount());
    if (runs.empty() || runs.back().program != program || runs.back().texture != currentTexture)
        runs.push_back(QuadRun{program, currentTexture, quad, 0});
    ++runs.back().quadCount;

    // Column-major model: the world point is m * (x, y, z, 1).
    const float* m = model.Data();
    for (int i = 0; i < 4; ++i) {
        const MeshVertex& c = corners[i];
        vertices.push_back(QuadVertex{m[0] * c.x + m[4] * c.y + m[8] * c.z + m[12],
                                      m[1] * c.x + m[5] * c.y + m[9] * c.z + m[13],
                                      m[2] * c.x + m[6] * c.y + m[10] * c.z + m[14], c.u, c.v, colour.x, colour.y,
                                      colour.z, alpha, {kNoLight, kNoLight, kNoLight, kNoLight, kNoLight, kNoLight,
                                                        kNoLight, kNoLight}});
    }
}

void QuadBatch::KeepOnly(const std::vector<bool>& keep)
{
    std::vector<QuadRun> kept;
    std::size_t written = 0;
    for (const QuadRun& run : runs) {
        for (uint32_t quad = run.firstQuad; quad < run.firstQuad + run.quadCount; ++quad) {
            if (quad >= keep.size() || !keep[quad])
                continue;
            if (kept.empty() || kept.back().program != run.program || kept.back().texture != run.texture)
                kept.push_back(QuadRun{run.program, run.texture, static_cast<uint32_t>(written), 0});
            ++kept.back().quadCount;
            if (written != quad) {
                std::copy_n(vertices.begin() + 4 * static_cast<std::ptrdiff_t>(quad), 4,
                            vertices.begin() + 4 * static_cast<std::ptrdiff_t>(written));
                opaque[written] = opaque[quad];
            }
            ++written;
        }
    }
    vertices.resize(4 * written);
    opaque.resize(written);
    runs = std::move(kept);
}
