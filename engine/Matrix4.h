#pragma once

#include "engine/Vector4.h"

// 4x4 float matrix, column-major: row r, column c lives at m[4 * c + r]. This is also
// the order in which matrices go to the shaders. Applies to a column vector on its right.
class Matrix4
{
public:
    float m[16];

    Matrix4();  // identity
    Matrix4(const Matrix4& other) = default;
    Matrix4& operator=(const Matrix4& other) = default;

    float& operator[](int i) { return m[i]; }
    float operator[](int i) const { return m[i]; }
    const float* Data() const { return m; }

    Matrix4& operator/=(float s);
    Vector4 GetRow(int i) const;
    Vector4 GetColumn(int i) const;
    Matrix4 operator*(const Matrix4& b) const;

    // In place. Not the plain inverse: eight elements come out with the opposite sign
    // (the identity gives diag(1, -1, 1, 1)). Mouse tracking relies on exactly this.
    Matrix4& Inverse();

    static Matrix4 Translate(float x, float y, float z);
    static Matrix4 Scale(float x, float y, float z);
    static Matrix4 RotateZ(float radians);
    static Matrix4 RotateZDegrees(float degrees);
};
