#pragma once

#include "CheckSink.h"
#include "Content.h"

// People and their talks, the story events and their scripts, and the areas
// of the entrance screen.
void CheckPeople(const TContent& content, TCheckSink& sink);
void CheckEvents(const TContent& content, TCheckSink& sink);
void CheckAreas(const TContent& content, TCheckSink& sink);
