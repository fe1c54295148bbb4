#pragma once
#include <memory>

class GameObject;

// A new object like source: same name and type, id = the current object-id counter, parent
// name "None", and a clone of every component added with the type id the source's component
// reports (owner set, Init run). Children are not copied; nothing is listed.
std::shared_ptr<GameObject> CopyObject(const GameObject& source);
