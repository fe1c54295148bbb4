#pragma once

#include "objects/GameObjectList.h"

// The depth an object is drawn at: its Transform's z, or 0 for an empty entry, an object
// without a Transform or a NaN z (a NaN would break the sort's ordering).
float DepthKey(const GameObject* object);

// Reorders the list exactly as std::stable_sort by DepthKey ascending would: each key is read
// once per call, the comparisons touch only floats and indices, and a list that is already in
// order (the usual frame) is left untouched.
void SortByDepth(GameObjectList& objects);
