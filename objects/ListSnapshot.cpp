#include "objects/ListSnapshot.h"

#include "objects/GameObject.h"

bool ListSnapshot::LooksSame(const List& list) const
{
    return taken && componentChanges == ComponentList::Changes() && listed.size() == list.size() &&
           storage == list.data();
}

bool ListSnapshot::Matches(const List& list) const
{
    if (!taken || componentChanges != ComponentList::Changes() || listed.size() != list.size())
        return false;
    for (std::size_t i = 0; i < listed.size(); ++i)
        if (listed[i] != list[i].get())
            return false;
    return true;
}

void ListSnapshot::Take(const List& list)
{
    listed.resize(list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        listed[i] = list[i].get();
    storage = list.data();
    componentChanges = ComponentList::Changes();
    taken = true;
}
