#include "SourceText.h"

std::string TSourceText::Written() const {
    std::string written;
    for (const auto& note : notes) {
        written += "# " + note + "\n";
    }
    return written + text;
}

std::string NumberedSourceName(const std::string& folder, size_t index, size_t count) {
    const auto digits = std::max<size_t>(3, std::to_string(count).size());
    auto number = std::to_string(index + 1);
    number.insert(0, digits - number.size(), '0');
    return folder + "/" + number + ".yaml";
}
