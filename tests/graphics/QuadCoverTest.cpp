// What opaque quads drawn later hide is taken out of a frame's quads, and nothing else.
#include <gtest/gtest.h>

#include "graphics/LightPacking.h"
#include "graphics/Mesh.h"
#include "graphics/QuadBatch.h"
#include "graphics/QuadCover.h"

namespace {

const Vector3 kWhite(1.0f, 1.0f, 1.0f);

// An upright w x h quad centred on (x, y), texture coordinates 0..1.
void AddQuad(QuadBatch& batch, float x, float y, float w, float h, bool opaque, int64_t texture = 1)
{
    const Mesh quad;
    batch.SetTexture(texture);
    batch.Add(1, ObjectModelMatrix(x, y, 0.0f, 0.0f, w, h), quad.vertices.data(), kWhite, 1.0f, opaque);
}

float MinX(const QuadVertex* c)
{
    return std::min(std::min(c[0].x, c[1].x), std::min(c[2].x, c[3].x));
}

TEST(QuadCover, QuadsWhollyUnderALaterOpaqueQuadAreDroppedAndRunsRegrouped)
{
    QuadBatch batch;
    AddQuad(batch, 0.0f, 0.0f, 2.0f, 2.0f, true);         // under the wall below: dropped
    AddQuad(batch, 10.0f, 0.0f, 2.0f, 2.0f, false, 2);    // apart: stays
    AddQuad(batch, 0.0f, 0.0f, 1.0f, 1.0f, false, 3);     // under the wall too: dropped
    AddQuad(batch, 0.0f, 0.0f, 4.0f, 4.0f, true);         // the wall
    AddQuad(batch, 0.0f, 0.0f, 8.0f, 8.0f, false, 4);     // see-through on top: hides nothing
    QuadCover cover;
    EXPECT_EQ(cover.Apply(batch), 2u);
    ASSERT_EQ(batch.QuadCount(), 3u);
    ASSERT_EQ(batch.Runs().size(), 3u);
    EXPECT_EQ(batch.Runs()[0].texture, 2);
    EXPECT_EQ(batch.Runs()[1].texture, 1);
    EXPECT_EQ(batch.Runs()[2].texture, 4);
    EXPECT_TRUE(batch.IsOpaque(1));
    EXPECT_FLOAT_EQ(MinX(batch.Quad(1)), -2.0f);

    // An opaque quad hides only what is drawn before it.
    QuadBatch later;
    AddQuad(later, 0.0f, 0.0f, 4.0f, 4.0f, true);
    AddQuad(later, 0.0f, 0.0f, 2.0f, 2.0f, false);
    EXPECT_EQ(cover.Apply(later), 0u);
    EXPECT_EQ(later.QuadCount(), 2u);
}

TEST(QuadCover, ABandUnderAnOpaqueQuadIsCutOffAndTheTextureFollowsTheCut)
{
    QuadBatch batch;
    AddQuad(batch, 0.0f, 0.0f, 4.0f, 2.0f, false);  // x -2..2, u 0..1 along x
    AddQuad(batch, 2.0f, 0.0f, 2.0f, 4.0f, true);   // x 1..3 covers its right quarter
    QuadCover cover;
    EXPECT_EQ(cover.Apply(batch), 0u);
    const QuadVertex* floor = batch.Quad(0);
    for (int i = 0; i < 4; ++i) {
        EXPECT_LE(floor[i].x, 1.0f);
        // u stays the same function of x: (x + 2) / 4, or its mirror.
        const float u = (floor[i].x + 2.0f) / 4.0f;
        EXPECT_TRUE(std::abs(floor[i].u - u) < 1e-6f || std::abs(floor[i].u - (1.0f - u)) < 1e-6f) << i;
    }
    EXPECT_FLOAT_EQ(MinX(floor), -2.0f);

    // A turned cover hides nothing, a cover that only overlaps a corner cuts nothing.
    QuadBatch turned;
    const Mesh quad;
    AddQuad(turned, 0.0f, 0.0f, 2.0f, 2.0f, false);
    turned.Add(1, ObjectModelMatrix(0.0f, 0.0f, 0.0f, 45.0f, 10.0f, 10.0f), quad.vertices.data(), kWhite, 1.0f, true);
    AddQuad(turned, 1.0f, 1.0f, 1.0f, 1.0f, true);
    EXPECT_EQ(cover.Apply(turned), 0u);
    EXPECT_FLOAT_EQ(MinX(turned.Quad(0)), -1.0f);
}

}  // namespace
