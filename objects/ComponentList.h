#pragma once

#include "objects/CountedList.h"

class Component;

// An object's components. Every change of which components an object holds is counted, so a
// per-frame cache of what the objects hold (the draw's) can tell it is out of date without
// looking into every object.
using ComponentList = CountedList<Component>;
