#include "modelgen/HelpPage.h"
#include "modelgen/ModelDesc.h"
#include "modelgen/OutputFile.h"
#include "modelgen/Pictures.h"
#include "modelgen/Textures.h"
#include "modelgen/XFileWriter.h"
#include "platform/GameError.h"
#include "platform/SjisText.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* Usage = R"(usage:
  tessarine-modelgen model DESC.yaml OUT.x    one model description to a .x text model
  tessarine-modelgen models SRC_DIR OUT_DIR   every SRC_DIR/*.yaml to OUT_DIR/<name>.x
  tessarine-modelgen textures GAME_DIR        model textures into GAME_DIR/Obje/
  tessarine-modelgen pictures GAME_DIR        the automap tiles and comparison pictures into GAME_DIR/Graph/
  tessarine-modelgen art OUT_DIR              cursors, background tile, title artwork, icon
                                              and the equipment kind icons
  tessarine-modelgen help PAGE.html GAME_DIR  the how-to-play page as GAME_DIR/Tessarine.hlp with its pictures in GAME_DIR/Help/
)";

void WriteModel(const std::string& descPath, const std::string& outPath) {
    WriteOutputFile(outPath, XFileText(ReadModelDesc(descPath)));
}

void WriteModels(const std::string& srcDir, const std::string& outDir) {
    std::vector<std::filesystem::path> sources;
    for (const auto& entry : std::filesystem::directory_iterator(srcDir)) {
        if (entry.is_regular_file() && entry.path().extension() == ".yaml") {
            sources.push_back(entry.path());
        }
    }
    std::sort(sources.begin(), sources.end());
    for (const auto& source : sources) {
        WriteModel(source.string(), outDir + "/" + source.stem().string() + ".x");
    }
}

int Run(const std::vector<std::string>& args) {
    if (args.size() == 3 && args[0] == "model") {
        WriteModel(args[1], args[2]);
    } else if (args.size() == 3 && args[0] == "models") {
        WriteModels(args[1], args[2]);
    } else if (args.size() == 2 && args[0] == "textures") {
        WritePictures(args[1], PaintTextures());
    } else if (args.size() == 2 && args[0] == "pictures") {
        WritePictures(args[1], GamePictures());
    } else if (args.size() == 2 && args[0] == "art") {
        WriteArt(args[1]);
    } else if (args.size() == 3 && args[0] == "help") {
        WriteHelp(args[1], args[2]);
    } else {
        std::cerr << Usage;
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const TGameError& e) {
        std::cerr << "tessarine-modelgen: " << SjisToUtf8(e.what()) << "\n";
    } catch (const std::exception& e) {
        std::cerr << "tessarine-modelgen: " << e.what() << "\n";
    }
    return 1;
}
