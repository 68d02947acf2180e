#include "world/Mycpp.h"

#include <stdexcept>

std::string StrReplaceAll(const std::string& text, const std::string& find,
                          const std::string& replacement) {
    if (find.empty()) {
        return text;
    }
    if (replacement.find(find) != std::string::npos) {
        // The restart-from-start rule would never end.
        throw std::invalid_argument("StrReplaceAll: replacement contains the searched text");
    }
    std::string copy = text;
    for (auto p = copy.find(find); p != std::string::npos; p = copy.find(find)) {
        copy.replace(p, find.size(), replacement);
    }
    return copy;
}

void ReplaceToCRLF(std::string& text, const std::string& find) {
    text = StrReplaceAll(text, find, "\r\n");
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') {
            ++start;
        }
    }
    return lines;
}

TScreenPlace CenterOnScreen(int screenWidth, int screenHeight, int width, int height) {
    return {screenWidth / 2 - width / 2, ((screenHeight / 2 - height / 2) / 3) * 2};
}

std::string_view TrimBlanks(std::string_view text) {
    const auto isBlank = [](char ch) { return static_cast<unsigned char>(ch) <= ' '; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}
