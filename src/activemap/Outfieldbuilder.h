#pragma once

class IActerBodySource;
class IActiveMap;

// Scenery bodies are all this acter.
inline constexpr unsigned OutFieldBodyNumber = 2;

// Hands `map` its eight out fields for a grid of width x height: 5 rows of
// `width` bodies to the north and south, `height` rows of 5 to the west and
// east, 5 x 5 in each corner. The previous ones go.
void BuildOutFields(IActiveMap& map, const IActerBodySource& bodies, int width, int height);
