#pragma once

#include <string>
#include <vector>

// Where talks reach the player: the game window's message box and its
// choice list.
class ITalkView {
public:
    virtual ~ITalkView() = default;
    // A talk line; the continue marker shows unless it is the last line.
    virtual void ShowTalk(const std::string& sjisText, bool isLast) = 0;
    virtual void ShowChoices(const std::vector<std::string>& sjisTexts) = 0;
};
