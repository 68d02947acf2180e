#pragma once

#include "world/Mapdata.h"
#include "world/PlacementProblems.h"

#include <vector>

// Doors and switches of a floor work one another through links, each made
// both ways when the floor is built: an object record's link byte names
// another object record, and a floor switch names the object it works. A wall
// switch or a floor switch holds one link, a door worked by switches any
// number, other doors none. This one rule says which links a floor is built
// with and what in its link bytes cannot be built.

// A record that takes part in a link: an object record or a floor switch.
struct TFloarLinkEnd {
    TDataList list; // TDataList::Objects or TDataList::FloarActers
    size_t record;  // position in that list, from 0

    bool operator==(const TFloarLinkEnd&) const = default;
};

// `from` is linked with the object of record `object`, and that object with
// `from`.
struct TFloarLink {
    TFloarLinkEnd from;
    size_t object;

    bool operator==(const TFloarLink&) const = default;
};

// The links in the order the build makes them: the object records' link bytes
// in record order, then the floor switches in record order. A link byte on a
// record that makes no object is no link. Raises TGameError with the first
// problem when the floor holds a link that cannot be built.
std::vector<TFloarLink> FloarLinks(const TFloarData& floar);

// Adds a problem for every link of the floor that cannot be built, at the
// record whose link makes it.
void FindFloarLinkProblems(const TFloarData& floar, TPlacementProblems& problems);
