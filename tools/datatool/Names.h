#pragma once

#include "YamlRead.h"

#include <array>

// The names the sources may use instead of the numbers of the data files.
inline constexpr std::array<TName, 9> DirectionNames{{{"N", 0},
                                                      {"E", 1},
                                                      {"S", 2},
                                                      {"W", 3},
                                                      {"NE", 4},
                                                      {"SE", 5},
                                                      {"SW", 6},
                                                      {"NW", 7},
                                                      {"none", 8}}};

inline constexpr std::array<TName, 2> GuestKindNames{{{"enemy", 1}, {"obstacle", 2}}};
inline constexpr std::array<TName, 3> BehaviourNames{{{"patrol", 0}, {"keeper", 1}, {"still", 2}}};
inline constexpr std::array<TName, 4> FloarObjectKindNames{
    {{"door", 1}, {"placeholder", 2}, {"switch", 3}, {"fairy", 4}}};
inline constexpr std::array<TName, 2> TownObjectKindNames{{{"big", 1}, {"person", 2}}};
inline constexpr std::array<TName, 3> ItemKindNames{{{"key", 1}, {"equipment", 2}, {"tool", 3}}};
inline constexpr std::array<TName, 4> FloarActerKindNames{
    {{"exit", 1}, {"switch", 2}, {"level", 3}, {"forced_level", 4}}};
