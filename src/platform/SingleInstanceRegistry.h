#pragma once

#include <string>
#include <vector>

// Which program-wide single objects are alive, by class name, so that tests
// can prove every creator released what it made.
namespace SingleInstanceRegistry {

void Created(const char* mangledName);
void Released(const char* mangledName);
// Readable class names, in the order they were made.
std::vector<std::string> Alive();

} // namespace SingleInstanceRegistry
