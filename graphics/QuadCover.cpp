#include "graphics/QuadCover.h"

#include <algorithm>

bool QuadCover::IsUpright(const QuadVertex* c)
{
    const Box box = BoxOfQuad(c);
    if (!(box.minX < box.maxX && box.minY < box.maxY))
        return false;
    for (int i = 0; i < 4; ++i)
        if ((c[i].x != box.minX && c[i].x != box.maxX) || (c[i].y != box.minY && c[i].y != box.maxY))
            return false;
    // Opposite corners, and the two diagonals' sums agree: a parallelogram in what they carry.
    if (c[0].x == c[2].x || c[0].y == c[2].y || c[1].x == c[3].x || c[1].y == c[3].y)
        return false;
    return c[0].u + c[2].u == c[1].u + c[3].u && c[0].v + c[2].v == c[1].v + c[3].v &&
           c[0].z + c[2].z == c[1].z + c[3].z;
}

void QuadCover::CutTo(QuadVertex* corners, const Box& from, const Box& to)
{
    // Each value is affine over the quad: at a corner of the cut it is the one at the nearest
    // original corner moved along x and y by the original rates.
    const QuadVertex* c = corners;
    int atMin = 0;  // the corner at (minX, minY)
    for (int i = 0; i < 4; ++i)
        if (c[i].x == from.minX && c[i].y == from.minY)
            atMin = i;
    int alongX = atMin;
    int alongY = atMin;
    for (int i = 0; i < 4; ++i) {
        if (c[i].x == from.maxX && c[i].y == from.minY)
            alongX = i;
        if (c[i].x == from.minX && c[i].y == from.maxY)
            alongY = i;
    }
    const QuadVertex origin = c[atMin];
    const float width = from.maxX - from.minX;
    const float height = from.maxY - from.minY;
    const float duX = (c[alongX].u - origin.u) / width, duY = (c[alongY].u - origin.u) / height;
    const float dvX = (c[alongX].v - origin.v) / width, dvY = (c[alongY].v - origin.v) / height;
    const float dzX = (c[alongX].z - origin.z) / width, dzY = (c[alongY].z - origin.z) / height;
    for (int i = 0; i < 4; ++i) {
        QuadVertex& corner = corners[i];
        corner.x = corner.x == from.minX ? to.minX : to.maxX;
        corner.y = corner.y == from.minY ? to.minY : to.maxY;
        const float dx = corner.x - from.minX;
        const float dy = corner.y - from.minY;
        corner.u = origin.u + duX * dx + duY * dy;
        corner.v = origin.v + dvX * dx + dvY * dy;
        corner.z = origin.z + dzX * dx + dzY * dy;
    }
}

std::size_t QuadCover::Apply(QuadBatch& batch)
{
    const std::size_t count = batch.QuadCount();
    std::size_t hiding = 0;
    for (std::size_t quad = 0; quad < count; ++quad)
        hiding += batch.IsOpaque(quad) ? 1 : 0;
    if (hiding == 0 || count * hiding > kMostPairs)
        return 0;

    // From the last quad back: the covers are the opaque upright quads drawn after this one.
    // A quad cut or dropped still hides with its whole box, since what it no longer draws
    // there a later cover draws.
    covers.clear();
    keep.assign(count, true);
    std::size_t dropped = 0;
    for (std::size_t quad = count; quad-- > 0;) {
        QuadVertex* corners = batch.Quad(quad);
        const Box whole = BoxOfQuad(corners);
        const bool upright = IsUpright(corners);
        Box shown = whole;
        for (const Box& cover : covers) {
            const bool spansX = cover.minX <= shown.minX && cover.maxX >= shown.maxX;
            const bool spansY = cover.minY <= shown.minY && cover.maxY >= shown.maxY;
            if (spansX && spansY) {
                keep[quad] = false;
                break;
            }
            if (!upright)
                continue;
            // A band across the whole quad: what is left is still one upright quad.
            if (spansX && cover.maxY >= shown.maxY && cover.minY > shown.minY && cover.minY < shown.maxY)
                shown.maxY = cover.minY;
            else if (spansX && cover.minY <= shown.minY && cover.maxY < shown.maxY && cover.maxY > shown.minY)
                shown.minY = cover.maxY;
            else if (spansY && cover.maxX >= shown.maxX && cover.minX > shown.minX && cover.minX < shown.maxX)
                shown.maxX = cover.minX;
            else if (spansY && cover.minX <= shown.minX && cover.maxX < shown.maxX && cover.maxX > shown.minX)
                shown.minX = cover.maxX;
        }
        if (!keep[quad])
            ++dropped;
        else if (upright && (shown.minX != whole.minX || shown.minY != whole.minY || shown.maxX != whole.maxX ||
                             shown.maxY != whole.maxY))
            CutTo(corners, whole, shown);
        if (upright && batch.IsOpaque(quad))
            covers.push_back(whole);
    }
    if (dropped > 0)
        batch.KeepOnly(keep);
    return dropped;
}
