#pragma once

#include "CheckSink.h"
#include "Content.h"

// Floors and village areas: what is placed where, what it names, and where
// exits lead.
void CheckStages(const TContent& content, TCheckSink& sink);
void CheckTown(const TContent& content, TCheckSink& sink);
