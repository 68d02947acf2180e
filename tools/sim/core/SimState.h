#pragma once

#include <string>
#include <string_view>
#include <vector>

class TDungOperator;

// The state line: the game's state as space-separated key=value fields in a
// fixed order. A field whose source is not there (no map, no heroine yet)
// reads "-". Values hold no spaces.
class TSimState {
public:
    TSimState();

    // The known keys, in the order of the line.
    static const std::vector<std::string>& Keys();
    static bool IsKey(std::string_view key);

    // Spaces in `value` become "_", so that the line stays one field a word.
    void Set(std::string_view key, std::string value);
    const std::string& Value(std::string_view key) const;
    std::string Line() const;

private:
    std::vector<std::string> values;
};

// The heroine's values and what she carries, and the story's stage.
void ReadHeroState(TSimState& state);

// The fields the dungeon operator knows: the heroine's whereabouts and the
// active map, its number, turn state, enemies and where the heroine stands.
void ReadOperatorState(const TDungOperator& dungOperator, TSimState& state);
