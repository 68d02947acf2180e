#include "modelgen/HelpPage.h"

#include "modelgen/HelpPictures.h"
#include "modelgen/OutputFile.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>

namespace {

// Every first group of `pattern` in the text, in order.
std::vector<std::string> Matches(std::string_view html, const std::regex& pattern) {
    std::vector<std::string> found;
    const std::string text(html);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        found.push_back((*it)[1].str());
    }
    return found;
}

std::string ReadSource(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error(path + ": cannot be read");
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::vector<std::string> HelpPageProblems(std::string_view html,
                                          const std::vector<std::string>& picturePaths) {
    const std::regex anchorPattern(R"re(\s(?:id|name)="([^"]*)")re", std::regex::icase);
    const std::regex linkPattern(R"re(<a\s[^>]*href="([^"]*)")re", std::regex::icase);
    const std::regex picturePattern(R"re(<img\s[^>]*src="([^"]*)")re", std::regex::icase);
    const std::regex titlePattern(R"re(<title>([^<]+)</title>)re", std::regex::icase);

    std::vector<std::string> problems;
    if (Matches(html, titlePattern).empty()) {
        problems.push_back("the page has no title");
    }
    const auto anchors = Matches(html, anchorPattern);
    const std::set<std::string> places(anchors.begin(), anchors.end());
    for (const std::string& link : Matches(html, linkPattern)) {
        if (link.empty() || link[0] != '#') {
            problems.push_back("a link out of the page: " + link);
        } else if (!places.contains(link.substr(1))) {
            problems.push_back("a link to a place the page does not have: " + link);
        }
    }
    for (const std::string& picture : Matches(html, picturePattern)) {
        if (std::find(picturePaths.begin(), picturePaths.end(), picture) == picturePaths.end()) {
            problems.push_back("a picture that is not drawn: " + picture);
        }
    }
    return problems;
}

void WriteHelp(const std::string& htmlSource, const std::string& gameDir) {
    const std::string html = ReadSource(htmlSource);
    const auto pictures = HelpPictures();
    std::vector<std::string> paths;
    for (const auto& picture : pictures) {
        paths.push_back(picture.path);
    }
    const auto problems = HelpPageProblems(html, paths);
    if (!problems.empty()) {
        std::string text = htmlSource + ":";
        for (const std::string& problem : problems) {
            text += "\n  " + problem;
        }
        throw std::runtime_error(text);
    }
    WritePictures(gameDir, pictures);
    WriteOutputFile(gameDir + "/Tessarine.hlp", html);
}
