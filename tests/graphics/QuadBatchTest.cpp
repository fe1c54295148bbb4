// Grouping a frame's quads into draw runs, and placing their corners in the world.
#include <gtest/gtest.h>

#include "graphics/LightPacking.h"
#include "graphics/Mesh.h"
#include "graphics/QuadBatch.h"

namespace {

const Vector3 kWhite(1.0f, 1.0f, 1.0f);

TEST(QuadBatch, RunsBreakOnlyWhereProgramOrTextureChangeAndKeepTheOrder)
{
    const Mesh quad;
    const Matrix4 model;
    QuadBatch batch;
    // Before any texture: whatever was bound.
    batch.Add(1, model, quad.vertices.data(), kWhite, 1.0f);
    batch.SetTexture(7);
    batch.Add(1, model, quad.vertices.data(), kWhite, 1.0f);
    batch.Add(1, model, quad.vertices.data(), kWhite, 1.0f);
    batch.Add(2, model, quad.vertices.data(), kWhite, 1.0f);  // other program, same texture
    batch.SetTexture(7);                                      // a bind of the same texture
    batch.Add(2, model, quad.vertices.data(), kWhite, 1.0f);
    batch.SetTexture(9);
    batch.Add(2, model, quad.vertices.data(), kWhite, 1.0f);
    batch.Add(1, model, quad.vertices.data(), kWhite, 1.0f);  // no texture of its own: keeps 9

    const std::vector<QuadRun>& runs = batch.Runs();
    ASSERT_EQ(runs.size(), 5u);
    const QuadRun expected[] = {{1, kTextureAsBound, 0, 1}, {1, 7, 1, 2}, {2, 7, 3, 2}, {2, 9, 5, 1}, {1, 9, 6, 1}};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].program, expected[i].program) << i;
        EXPECT_EQ(runs[i].texture, expected[i].texture) << i;
        EXPECT_EQ(runs[i].firstQuad, expected[i].firstQuad) << i;
        EXPECT_EQ(runs[i].quadCount, expected[i].quadCount) << i;
    }
    EXPECT_EQ(batch.QuadCount(), 7u);

    batch.Clear();
    EXPECT_EQ(batch.QuadCount(), 0u);
    EXPECT_TRUE(batch.Runs().empty());
    batch.Add(1, model, quad.vertices.data(), kWhite, 1.0f);
    EXPECT_EQ(batch.Runs().front().texture, kTextureAsBound);  // a new frame forgets the last bind
}

TEST(QuadBatch, CornersArePlacedByTheModelAndCarryTheirTextureCoordinatesAndTint)
{
    Mesh quad;
    quad.vertices[Mesh::TopRight].u = 0.25f;
    quad.vertices[Mesh::TopRight].v = 0.75f;
    QuadBatch batch;
    // 40 x 20 turned a quarter, at (100, -50) and depth 2.5.
    batch.Add(1, ObjectModelMatrix(100.0f, -50.0f, 2.5f, 90.0f, 40.0f, 20.0f), quad.vertices.data(),
              Vector3(0.5f, 0.25f, 1.0f), 0.4f);
    ASSERT_EQ(batch.Vertices().size(), 4u);
    const QuadVertex& topRight = batch.Vertices()[Mesh::TopRight];
    // (0.5, 0.5) scaled to (20, 10), turned to (-10, 20).
    EXPECT_NEAR(topRight.x, 90.0f, 1e-4f);
    EXPECT_NEAR(topRight.y, -30.0f, 1e-4f);
    EXPECT_FLOAT_EQ(topRight.z, 2.5f);
    EXPECT_FLOAT_EQ(topRight.u, 0.25f);
    EXPECT_FLOAT_EQ(topRight.v, 0.75f);
    const QuadVertex& bottomLeft = batch.Vertices()[Mesh::BottomLeft];
    EXPECT_NEAR(bottomLeft.x, 110.0f, 1e-4f);
    EXPECT_NEAR(bottomLeft.y, -70.0f, 1e-4f);
    for (const QuadVertex& vertex : batch.Vertices()) {
        EXPECT_FLOAT_EQ(vertex.r, 0.5f);
        EXPECT_FLOAT_EQ(vertex.g, 0.25f);
        EXPECT_FLOAT_EQ(vertex.b, 1.0f);
        EXPECT_FLOAT_EQ(vertex.a, 0.4f);
    }
}

}  // namespace
