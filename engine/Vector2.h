#pragma once

#include <cmath>

// Two-component float vector used by gameplay, physics and path finding.
struct Vector2
{
    float x = 0.0f;
    float y = 0.0f;

    Vector2() = default;
    Vector2(float x_, float y_) : x(x_), y(y_) {}

    // In place; a zero vector becomes (NaN, NaN), nothing is checked.
    Vector2& Normalize()
    {
        float len = static_cast<float>(std::sqrt(static_cast<double>(x * x + y * y)));
        x = x / len;
        y = y / len;
        return *this;
    }

    float Distance(const Vector2& other) const
    {
        float dx = other.x - x;
        float dy = other.y - y;
        return static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
    }
};

inline Vector2 operator+(const Vector2& a, const Vector2& b) { return Vector2(a.x + b.x, a.y + b.y); }
inline Vector2 operator-(const Vector2& a, const Vector2& b) { return Vector2(a.x - b.x, a.y - b.y); }
inline Vector2 operator*(const Vector2& v, float s) { return Vector2(v.x * s, v.y * s); }
