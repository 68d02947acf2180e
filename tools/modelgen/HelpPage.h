#pragma once

#include <string>
#include <string_view>
#include <vector>

// What is wrong with the how-to-play page: a link to a place the page does
// not have, a link out of the page, a picture that is not drawn, no title.
// Empty when the page shows as it should.
std::vector<std::string> HelpPageProblems(std::string_view html,
                                          const std::vector<std::string>& picturePaths);

// Lays the page out in the game folder: `htmlSource` becomes
// GAME_DIR/Tessarine.hlp beside its pictures. A page with problems is refused
// with all of them named, and nothing is written.
void WriteHelp(const std::string& htmlSource, const std::string& gameDir);
