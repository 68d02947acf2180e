#pragma once

#include <string>

class QListWidget;
class TFormDungEnt;
struct TSimCommand;

// The player's choices in the game's windows, made with real pointer and key
// events: on the dungeon entrance screen, and in a talk's choice list. A
// choice the window does not offer raises TSimFailure.

// `entrance AREA POS`: the area at list position AREA, then the dungeon at
// position POS, then "決定"; `entrance 村へ戻る`: "村へ戻る".
void AnswerEntrance(TFormDungEnt& screen, const TSimCommand& answer);
// The names of the areas the screen offers, joined by ",".
std::string OfferedAreas(const TFormDungEnt& screen);
// `choose N`: clicks entry N of the game window's choice list.
void ChooseTalk(QListWidget& choices, int index);
