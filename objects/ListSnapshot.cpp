#include "objects/ListSnapshot.h"

#include "objects/GameObject.h"
#include "objects/GameObjectList.h"

bool ListSnapshot::Matches(const GameObjectList& list) const
{
    // Every add, remove and reorder is counted, so equal counts mean equal entries; the
    // storage tells this list from another.
    return taken && listChanges == GameObjectList::Changes() && componentChanges == ComponentList::Changes() &&
           size == list.size() && storage == list.data();
}

void ListSnapshot::Take(const GameObjectList& list)
{
    size = list.size();
    storage = list.data();
    listChanges = GameObjectList::Changes();
    componentChanges = ComponentList::Changes();
    taken = true;
}
