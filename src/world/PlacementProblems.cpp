#include "world/PlacementProblems.h"

#include "platform/SjisText.h"

void TPlacementProblems::Add(size_t index, const char* utf8Record, const std::string& sjisText) {
    problems.push_back(gridName + ": " + std::to_string(index + 1) + Sjis(" 番目の") +
                       Sjis(utf8Record) + sjisText);
}

std::string TPlacementProblems::OutsideText(std::uint16_t x, std::uint16_t y, std::uint16_t width,
                                            std::uint16_t height) {
    return Sjis("の位置 (") + std::to_string(x) + ", " + std::to_string(y) + Sjis(") が ") +
           std::to_string(width) + " x " + std::to_string(height) + Sjis(" の外です");
}
