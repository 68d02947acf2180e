#include "support/ForeignGameFolder.h"

#include "support/TestContent.h"

TForeignGameFolder::TForeignGameFolder() : folder("-caf\u00e9-\u044f") {
    InstallTestContent(Path());
    std::filesystem::create_directories(ExecutableFolder());
}

std::filesystem::path TForeignGameFolder::ExecutableFolder() const {
    return Path() / "b\u00fcro";
}
