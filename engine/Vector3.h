#pragma once

#include <cmath>

// Three-component float vector; z is the drawing depth for positions.
struct Vector3
{
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    Vector3() = default;
    Vector3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}

    Vector3& CopyFrom(const Vector3& other)
    {
        x = other.x;
        y = other.y;
        z = other.z;
        return *this;
    }

    float Length() const
    {
        return static_cast<float>(std::sqrt(static_cast<double>(x * x + y * y + z * z)));
    }
};

inline Vector3 operator+(const Vector3& a, const Vector3& b) { return Vector3(a.x + b.x, a.y + b.y, a.z + b.z); }
inline Vector3 operator-(const Vector3& a, const Vector3& b) { return Vector3(a.x - b.x, a.y - b.y, a.z - b.z); }
inline Vector3 operator*(const Vector3& v, float s) { return Vector3(v.x * s, v.y * s, v.z * s); }
// Three divisions on purpose: multiplying by 1/s rounds differently.
inline Vector3 operator/(const Vector3& v, float s) { return Vector3(v.x / s, v.y / s, v.z / s); }

// Strict on every component; any NaN makes both false.
inline bool operator<(const Vector3& a, const Vector3& b) { return a.x < b.x && a.y < b.y && a.z < b.z; }
inline bool operator>(const Vector3& a, const Vector3& b) { return a.x > b.x && a.y > b.y && a.z > b.z; }

// The y component has the opposite sign of the textbook cross product. The start-up
// view matrix is built with it and comes out as a plain translation; do not "fix" it.
inline Vector3 Cross(const Vector3& p, const Vector3& q)
{
    return Vector3(p.y * q.z - p.z * q.y,
                   p.x * q.z - p.z * q.x,
                   p.x * q.y - p.y * q.x);
}
