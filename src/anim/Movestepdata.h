#pragma once

#include "anim/Objemotion.h"
#include "world/DataFile.h"

#include <string_view>
#include <vector>

inline constexpr char MoveStepDataFileName[] = "Data/MoveStepData";

// The whole file: an i32 count, then each step's 12-byte head and its text
// (i32 length, Shift-JIS, cut at a NUL), and nothing after. A step naming a
// next step its motion does not have is refused when read and when written.
std::vector<TMotionStepProg> ReadMoveStepData(TDataReader& reader);
void WriteMoveStepData(TDataWriter& writer, const std::vector<TMotionStepProg>& steps);

// A step whose lines are those of its text, as the reader makes it.
TMotionStepProg MotionStepOf(const TMotionStepHead& head, std::string text);

// Motions from the steps: each maximal run of one motion number, the first
// run of a number only. The motions point into `steps`.
std::vector<TObjeMotionData> GroupMotions(const std::vector<TMotionStepProg>& steps);
