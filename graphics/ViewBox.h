#pragma once

#include "engine/Matrix4.h"

struct MeshVertex;

// The part of the world a frame shows, in world units. Lights that cannot reach it and quads
// that lie wholly outside it are left out of the frame: they would add nothing to the picture.
struct ViewBox
{
    float minX = 0.0f;
    float minY = 0.0f;
    float maxX = 0.0f;
    float maxY = 0.0f;
};

// The world box that an orthographic projection x view maps onto the screen (-1..1 both ways).
// False when the matrix squashes the world flat (nothing can be culled against it then).
bool ViewBoxOf(const Matrix4& projectionView, ViewBox& box);

// Whether any part of the quad (its four corners placed by the model) can lie in the box.
bool QuadTouchesBox(const Matrix4& model, const MeshVertex* corners, const ViewBox& box);
