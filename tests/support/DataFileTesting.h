#pragma once

#include "world/DataFile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The message of the TGameError the call raises, or "" when it raises none.
std::string ErrorOf(const std::function<void()>& call);

// A reader over bytes under a fixed data-file name, so errors can be checked
// for naming it.
TDataReader TestReader(std::vector<std::uint8_t> bytes);
inline constexpr char TestFileName[] = "Data/Test";

// `read` takes the bytes as a whole file; every shorter prefix of them must be
// refused with a TGameError that names the file.
void ExpectEveryPrefixRefused(const std::vector<std::uint8_t>& bytes,
                              const std::function<void(TDataReader&)>& read);
