#pragma once

#include "objects/CountedList.h"

class GameObject;

// The scene's object list: every add, remove and reorder is counted, so the update walk, the
// draw and the depth sort can tell their per-frame copies are out of date.
using GameObjectList = CountedList<GameObject>;
