#include "graphics/DrawList.h"

#include <algorithm>
#include <cmath>

#include "graphics/LightSource.h"
#include "graphics/ParticleEmitter.h"
#include "graphics/Sprite.h"
#include "objects/GameObject.h"
#include "objects/GameObjectList.h"
#include "objects/ListPrefetch.h"
#include "objects/Transform.h"

bool DrawList::Refresh(const GameObjectList& objects)
{
    if (madeFrom.Matches(objects))
        return false;
    Rebuild(objects);
    return true;
}

void DrawList::Rebuild(const GameObjectList& objects)
{
    entries.clear();
    for (std::size_t index = 0; index < objects.size(); ++index) {
        PrefetchListAhead(objects, index);
        GameObject* object = objects[index].get();
        if (!object)
            continue;
        Entry entry;
        entry.object = object;
        object->FindComponents(entry.sprite, entry.emitter, entry.transform, entry.light);
        if (!entry.sprite && !entry.emitter && !entry.light)
            continue;
        if (entry.sprite) {
            const GameObject* owner = entry.sprite->GetOwner();
            entry.unplaced = !entry.transform || !entry.sprite->mesh || (owner && owner != object);
            // The quad's corners keep their place; only their texture coordinates change.
            for (const auto& corner : entry.sprite->corners)
                entry.cornerReach = std::max({entry.cornerReach, std::abs(corner.x), std::abs(corner.y)});
            // Not a number: worked out on the first look.
            entry.x = std::nanf("");
        }
        entries.push_back(entry);
    }
    madeFrom.Take(objects);
}

bool DrawList::MayShow(Entry& entry, const ViewBox& view)
{
    if (entry.unplaced)
        return true;
    const Transform& transform = *entry.transform;
    const float x = transform.position.x;
    const float y = transform.position.y;
    if (x != entry.x || y != entry.y || transform.scale.x != entry.scaleX || transform.scale.y != entry.scaleY) {
        entry.x = x;
        entry.y = y;
        entry.scaleX = transform.scale.x;
        entry.scaleY = transform.scale.y;
        entry.reach = entry.cornerReach * (std::abs(entry.scaleX) + std::abs(entry.scaleY));
    }
    // Written as the queue's test is: a place that is not a number is never ruled out.
    return !(x + entry.reach < view.minX || x - entry.reach > view.maxX || y + entry.reach < view.minY ||
             y - entry.reach > view.maxY);
}
