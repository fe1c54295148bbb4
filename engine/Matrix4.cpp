#include "engine/Matrix4.h"

#include <cmath>

Matrix4::Matrix4()
{
    for (int i = 0; i < 16; ++i)
        m[i] = 0.0f;
    m[0] = m[5] = m[10] = m[15] = 1.0f;
}

Matrix4& Matrix4::operator/=(float s)
{
    for (int i = 0; i < 16; ++i)
        m[i] = m[i] / s;
    return *this;
}

Vector4 Matrix4::GetRow(int i) const
{
    return Vector4(m[i], m[i + 4], m[i + 8], m[i + 12]);
}

Vector4 Matrix4::GetColumn(int i) const
{
    return Vector4(m[4 * i], m[4 * i + 1], m[4 * i + 2], m[4 * i + 3]);
}

Matrix4 Matrix4::operator*(const Matrix4& b) const
{
    Matrix4 r;
    for (int c = 0; c < 4; ++c)
    {
        Vector4 col = b.GetColumn(c);
        for (int row = 0; row < 4; ++row)
        {
            Vector4 rw = GetRow(row);
            r.m[4 * c + row] = ((rw.x * col.x + rw.y * col.y) + rw.z * col.z) + rw.w * col.w;
        }
    }
    return r;
}

namespace
{
// Element at row r, column c.
inline float At(const float* m, int r, int c) { return m[4 * c + r]; }

// Determinant of the 3x3 minor left after removing row skipRow and column skipCol.
float Minor(const float* m, int skipRow, int skipCol)
{
    int rows[3], cols[3];
    for (int i = 0, k = 0; i < 4; ++i)
        if (i != skipRow) rows[k++] = i;
    for (int i = 0, k = 0; i < 4; ++i)
        if (i != skipCol) cols[k++] = i;
    float a = At(m, rows[0], cols[0]), b = At(m, rows[0], cols[1]), c = At(m, rows[0], cols[2]);
    float d = At(m, rows[1], cols[0]), e = At(m, rows[1], cols[1]), f = At(m, rows[1], cols[2]);
    float g = At(m, rows[2], cols[0]), h = At(m, rows[2], cols[1]), i = At(m, rows[2], cols[2]);
    return a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
}
} // namespace

Matrix4& Matrix4::Inverse()
{
    float adj[16];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
        {
            float sign = ((r + c) % 2 == 0) ? 1.0f : -1.0f;
            adj[4 * c + r] = sign * Minor(m, c, r);
        }

    // Laplace expansion along row 0: a(0,c) times its cofactor, which is adj(c,0).
    float det = 0.0f;
    for (int c = 0; c < 4; ++c)
        det += At(m, 0, c) * adj[c];

    static const int kFlipped[8] = {1, 3, 5, 6, 9, 11, 13, 14};
    for (int p : kFlipped)
        adj[p] = -adj[p];

    for (int i = 0; i < 16; ++i)
        m[i] = adj[i];
    return *this /= det;
}

Matrix4 Matrix4::Translate(float x, float y, float z)
{
    Matrix4 r;
    r.m[12] = x;
    r.m[13] = y;
    r.m[14] = z;
    return r;
}

Matrix4 Matrix4::Scale(float x, float y, float z)
{
    Matrix4 r;
    r.m[0] = x;
    r.m[5] = y;
    r.m[10] = z;
    r.m[15] = 1.0f;
    return r;
}

Matrix4 Matrix4::RotateZ(float radians)
{
    float c = static_cast<float>(std::cos(static_cast<double>(radians)));
    float s = static_cast<float>(std::sin(static_cast<double>(radians)));
    Matrix4 r;
    r.m[0] = c;
    r.m[1] = s;
    r.m[4] = -s;
    r.m[5] = c;
    return r;
}

Matrix4 Matrix4::RotateZDegrees(float degrees)
{
    float product = degrees * 3.1415927f;
    return RotateZ(product / 180.0f);
}
