#pragma once

#include "CheckSink.h"
#include "Content.h"

// What the game's own story checks cannot see from the data files alone:
// talk numbers of choices and next talks (which the people file refuses to
// hold, so they must be found in the sources), placed people standing on one
// another, areas that the scripts open but the area list does not have, and
// areas the entrance screen never offers.
void CheckPeople(const TContent& content, TCheckSink& sink);
void CheckEvents(const TContent& content, TCheckSink& sink);
void CheckAreas(const TContent& content, TCheckSink& sink);
