#pragma once

#include "CheckSink.h"
#include "Content.h"

// Every body the actor factory and the dungeon factory can ask for has an
// acter, and every acter's object and motions exist.
void CheckBodies(const TContent& content, TCheckSink& sink);
