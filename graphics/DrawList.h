#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "graphics/ViewBox.h"
#include "objects/GameObjectList.h"
#include "objects/ListSnapshot.h"

class GameObject;
class LightSource;
class ParticleEmitter;
class Sprite;
class Transform;

// What the draw reads of the object list, kept between frames: each object with a sprite,
// particles or a light, in list order, with those components and where its sprite reaches.
// Rebuilt only when the list's order or any object's components change, so a frame does not
// look into every object's components; and a sprite that did not move is ruled out of a frame
// it cannot reach from its entry and its Transform alone.
class DrawList
{
public:
    struct Entry
    {
        GameObject* object = nullptr;
        Sprite* sprite = nullptr;
        ParticleEmitter* emitter = nullptr;
        Transform* transform = nullptr;
        LightSource* light = nullptr;
        // The sprite's place is not the entry's to judge (no Transform, no quad yet, or a
        // sprite of another object): the queue's own checks decide.
        bool unplaced = false;
        // The place and scale the reach was worked out for, and the reach: the radius of a
        // circle round the turned quad.
        float x = 0.0f;
        float y = 0.0f;
        float scaleX = 0.0f;
        float scaleY = 0.0f;
        float cornerReach = 0.0f;
        float reach = 0.0f;
    };

    // Brings the entries up to date with the list; true when they had to be made again.
    bool Refresh(const GameObjectList& objects);
    const std::vector<Entry>& Entries() const { return entries; }
    std::vector<Entry>& Entries() { return entries; }
    // Whether the entry's sprite may touch the box (the queue makes the exact test): false only
    // when the circle round its quad lies wholly outside. Follows a move of its Transform.
    static bool MayShow(Entry& entry, const ViewBox& view);

private:
    void Rebuild(const GameObjectList& objects);

    std::vector<Entry> entries;
    ListSnapshot madeFrom;
};
