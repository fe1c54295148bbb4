#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "objects/GameObjectList.h"

class GameObject;

// The live objects of the current scene, in append order until the depth sort.
extern GameObjectList gGameObjects;
// Hands out object ids: a new object takes its value, each append adds 1.
extern int32_t gObjectIdCounter;

void AddObject(const std::shared_ptr<GameObject>& object);
// Unlinks the object's subtree and its own parent link, then removes its entry. The
// descendants stay listed, as roots. Nothing happens for an object that is not listed.
void DestroyObject(const std::shared_ptr<GameObject>& object);
std::shared_ptr<GameObject> FindObjectByName(const std::string& name);
std::shared_ptr<GameObject> FindObjectById(int32_t id);
// Every object of object type 12 (path-finding tile), in list order.
std::vector<std::shared_ptr<GameObject>> GetGridObjects();
// Unlinks every tree, drops every listed object's components, empties the list and resets
// the id counter.
void DestroyAll();
