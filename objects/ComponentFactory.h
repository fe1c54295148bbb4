#pragma once

#include <memory>
#include <string>

#include "objects/Component.h"

// A new component of the class whose type name is typeName (exact, case-sensitive), with
// the class's first values, no owner and Init not run; empty for any other name.
std::shared_ptr<Component> CreateComponent(const std::string& typeName);
