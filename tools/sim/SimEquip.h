#pragma once

struct TSimCommand;
class TPrx_FormEquip;

// The script's commands on the open equipment screen, as a player clicks
// them: `equip POS` selects carried row POS and presses "▲", `equip off
// PLACE` selects the worn row of that place and presses "▼", `unite BASE
// MATERIAL` presses "ソードユナイト", chooses both swords with "▲" and
// presses "実行". A row below what the list shows is scrolled into view
// first. They fail (TSimFailure), with the reason, when the screen is not
// open, a row or button is not there, or a press changes nothing: an item she
// may not put on or already wears, an empty place, a choice the synthesis
// refuses, a synthesis that does not end with its message.
void PlayEquip(TPrx_FormEquip* screen, const TSimCommand& command);
void PlayUnite(TPrx_FormEquip* screen, const TSimCommand& command);
