#include <cmath>

#include <gtest/gtest.h>

#include "engine/Matrix4.h"
#include "engine/Vector2.h"
#include "engine/Vector3.h"
#include "engine/Vector4.h"

namespace
{
Vector4 Apply(const Matrix4& m, const Vector4& v)
{
    return Vector4(m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12] * v.w,
                   m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13] * v.w,
                   m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14] * v.w,
                   m[3] * v.x + m[7] * v.y + m[11] * v.z + m[15] * v.w);
}
} // namespace

TEST(MatrixMath, RotateZDegrees90KeepsTheFloatCosine)
{
    Matrix4 r = Matrix4::RotateZDegrees(90.0f);
    float angle = (90.0f * 3.1415927f) / 180.0f;
    float cosine = static_cast<float>(std::cos(static_cast<double>(angle)));
    EXPECT_EQ(r[1], 1.0f);
    EXPECT_EQ(r[4], -1.0f);
    EXPECT_EQ(r[0], cosine);
    EXPECT_EQ(r[5], cosine);
    EXPECT_NE(r[0], 0.0f);
    EXPECT_NEAR(r[0], -4.371139e-8f, 1e-12f);
    EXPECT_EQ(r[10], 1.0f);
    EXPECT_EQ(r[15], 1.0f);
}

TEST(MatrixMath, ModelMatrixScalesThenRotatesThenTranslates)
{
    Matrix4 t = Matrix4::Translate(3.0f, 4.0f, 5.0f);
    Vector4 moved = Apply(t, Vector4(1.0f, 2.0f, 3.0f, 1.0f));
    EXPECT_EQ(moved.x, 4.0f);
    EXPECT_EQ(moved.y, 6.0f);
    EXPECT_EQ(moved.z, 8.0f);
    EXPECT_EQ(moved.w, 1.0f);

    Matrix4 model = Matrix4::Translate(10.0f, 0.0f, 0.0f) * Matrix4::RotateZDegrees(90.0f) *
                    Matrix4::Scale(2.0f, 2.0f, 1.0f);
    Vector4 p = Apply(model, Vector4(1.0f, 0.0f, 0.0f, 1.0f));
    EXPECT_NEAR(p.x, 10.0f, 1e-5f);
    EXPECT_NEAR(p.y, 2.0f, 1e-5f);
}

TEST(MatrixMath, ProductRowsAndColumns)
{
    Matrix4 a;
    for (int i = 0; i < 16; ++i)
        a[i] = static_cast<float>(i + 1);
    Vector4 row = a.GetRow(1);
    EXPECT_EQ(row.x, 2.0f);
    EXPECT_EQ(row.w, 14.0f);
    Vector4 column = a.GetColumn(2);
    EXPECT_EQ(column.x, 9.0f);
    EXPECT_EQ(column.w, 12.0f);

    Matrix4 identity;
    Matrix4 product = a * identity;
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(product[i], a[i]);
    // Row 0 of a times column 0 of a: 1*1 + 5*2 + 9*3 + 13*4.
    EXPECT_EQ((a * a)[0], 90.0f);
}

TEST(MatrixMath, InverseFlipsEightSigns)
{
    Matrix4 identity;
    identity.Inverse();
    EXPECT_EQ(identity[0], 1.0f);
    EXPECT_EQ(identity[5], -1.0f);
    EXPECT_EQ(identity[10], 1.0f);
    EXPECT_EQ(identity[15], 1.0f);

    Matrix4 m = Matrix4::Translate(6.0f, 8.0f, 10.0f) * Matrix4::Scale(2.0f, 4.0f, 5.0f);
    m.Inverse();
    EXPECT_FLOAT_EQ(m[0], 0.5f);
    EXPECT_FLOAT_EQ(m[5], -0.25f);
    EXPECT_FLOAT_EQ(m[10], 0.2f);
    EXPECT_FLOAT_EQ(m[12], -3.0f);
    EXPECT_FLOAT_EQ(m[13], 2.0f);
    EXPECT_FLOAT_EQ(m[14], 2.0f);
    EXPECT_FLOAT_EQ(m[15], 1.0f);

    Matrix4 singular = Matrix4::Scale(0.0f, 1.0f, 1.0f);
    singular.Inverse();
    bool anyInfinite = false, anyNan = false;
    for (int i = 0; i < 16; ++i)
    {
        anyInfinite = anyInfinite || std::isinf(singular[i]);
        anyNan = anyNan || std::isnan(singular[i]);
    }
    EXPECT_TRUE(anyInfinite);
    EXPECT_TRUE(anyNan);
}

TEST(VectorMath, CrossHasTheFlippedY)
{
    Vector3 a = Cross(Vector3(0.0f, 0.0f, 1.0f), Vector3(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(a.x, 0.0f);
    EXPECT_EQ(a.y, -1.0f);
    EXPECT_EQ(a.z, 0.0f);
    Vector3 b = Cross(Vector3(0.0f, 1.0f, 0.0f), Vector3(0.0f, 0.0f, 1.0f));
    EXPECT_EQ(b.x, 1.0f);
    EXPECT_EQ(b.y, 0.0f);
    EXPECT_EQ(b.z, 0.0f);
}

TEST(VectorMath, ComparisonsDistanceAndNormalize)
{
    EXPECT_FALSE(Vector3(1.0f, 2.0f, 3.0f) < Vector3(1.0f, 2.0f, 3.0f));
    EXPECT_FALSE(Vector3(0.0f, 0.0f, 0.0f) < Vector3(1.0f, 1.0f, 0.0f));
    EXPECT_TRUE(Vector3(0.0f, 0.0f, 0.0f) < Vector3(1.0f, 1.0f, 1.0f));
    EXPECT_TRUE(Vector3(2.0f, 2.0f, 2.0f) > Vector3(1.0f, 1.0f, 1.0f));
    EXPECT_FALSE(Vector3(NAN, 2.0f, 2.0f) > Vector3(1.0f, 1.0f, 1.0f));

    Vector2 a(1.0f, 2.0f), b(4.0f, 6.0f);
    EXPECT_EQ(a.Distance(b), 5.0f);
    EXPECT_EQ(b.Distance(a), 5.0f);
    EXPECT_EQ(Vector3(3.0f, 4.0f, 0.0f).Length(), 5.0f);

    Vector2 n(3.0f, 4.0f);
    n.Normalize();
    EXPECT_FLOAT_EQ(n.x, 0.6f);
    EXPECT_FLOAT_EQ(n.y, 0.8f);
    Vector2 zero;
    zero.Normalize();
    EXPECT_TRUE(std::isnan(zero.x));

    Vector3 halved = Vector3(1.0f, 2.0f, 3.0f) / 2.0f;
    EXPECT_EQ(halved.z, 1.5f);
}
