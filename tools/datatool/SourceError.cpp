#include "SourceError.h"

std::string TSourceLocation::ToString() const {
    return line > 0 ? file + ":" + std::to_string(line) : file;
}

TSourceError::TSourceError(TSourceLocation whereFound, const std::string& text)
    : std::runtime_error(whereFound.ToString() + ": " + text), where(std::move(whereFound)),
      message(text) {}
