#include "graphics/QuadBatch.h"

void QuadBatch::Clear()
{
    vertices.clear();
    runs.clear();
    currentTexture = kTextureAsBound;
}

void QuadBatch::Add(unsigned int program, const Matrix4& model, const MeshVertex* corners, const Vector3& colour,
                    float alpha)
{
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
