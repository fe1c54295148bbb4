#include "graphics/ViewBox.h"

#include <algorithm>
#include <cmath>

#include "graphics/Mesh.h"

bool ViewBoxOf(const Matrix4& projectionView, ViewBox& box)
{
    // Orthographic and looking down z: screen = A x world + b in x and y; invert the 2 x 2.
    const float a = projectionView[0], c = projectionView[4];
    const float b = projectionView[1], d = projectionView[5];
    const float ox = projectionView[12], oy = projectionView[13];
    const float det = a * d - b * c;
    if (!(std::abs(det) > 1e-12f))
        return false;
    bool first = true;
    for (const float sx : {-1.0f, 1.0f})
        for (const float sy : {-1.0f, 1.0f}) {
            const float u = sx - ox;
            const float v = sy - oy;
            const float x = (d * u - c * v) / det;
            const float y = (a * v - b * u) / det;
            if (first) {
                box = {x, y, x, y};
                first = false;
            }
            box.minX = std::min(box.minX, x);
            box.minY = std::min(box.minY, y);
            box.maxX = std::max(box.maxX, x);
            box.maxY = std::max(box.maxY, y);
        }
    return std::isfinite(box.minX) && std::isfinite(box.minY) && std::isfinite(box.maxX) && std::isfinite(box.maxY);
}

bool QuadTouchesBox(const Matrix4& model, const MeshVertex* corners, const ViewBox& box)
{
    const float* m = model.Data();
    float minX = 0.0f, minY = 0.0f, maxX = 0.0f, maxY = 0.0f;
    for (int i = 0; i < 4; ++i) {
        const MeshVertex& c = corners[i];
        const float x = m[0] * c.x + m[4] * c.y + m[8] * c.z + m[12];
        const float y = m[1] * c.x + m[5] * c.y + m[9] * c.z + m[13];
        minX = i ? std::min(minX, x) : x;
        maxX = i ? std::max(maxX, x) : x;
        minY = i ? std::min(minY, y) : y;
        maxY = i ? std::max(maxY, y) : y;
    }
    // Written so that NaN keeps the quad: what cannot be judged is drawn as before.
    return !(maxX < box.minX || minX > box.maxX || maxY < box.minY || minY > box.maxY);
}
