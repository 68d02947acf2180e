#pragma once

#include "SourceError.h"

#include <map>
#include <string>
#include <tuple>

// Collects the problems of one check run.
class TCheckSink {
public:
    explicit TCheckSink(TProblems& target) : problems(target) {}
    void Add(const TSourceLocation& where, std::string message) {
        problems.push_back({where, std::move(message)});
    }
    void Warn(const TSourceLocation& where, std::string message) {
        problems.push_back({where, std::move(message), true});
    }

private:
    TProblems& problems;
};

// The fixture slots of a block: each may hold one thing only.
enum class TBlockSlot { Guest, WallObje, WallSwitch, Item, FloarActer, Fairy };

// Remembers what took which slot of which block on one grid.
class TSlotTracker {
public:
    TSlotTracker(TCheckSink& target, std::string gridName)
        : sink(target), grid(std::move(gridName)) {}

    void Take(TBlockSlot slot, int x, int y, const TSourceLocation& where, const std::string& what);

private:
    TCheckSink& sink;
    std::string grid;
    std::map<std::tuple<TBlockSlot, int, int>, std::pair<TSourceLocation, std::string>> taken;
};

std::string Cell(int x, int y);
