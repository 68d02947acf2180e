// tessarine-viewer: shows one .x model, or an acter of a game folder, lit by
// the game's engine.
#include "platform/GameError.h"
#include "platform/MessageSeam.h"
#include "platform/SjisText.h"
#include "scene/Scenelog.h"
#include "scene/Texturecontainer.h"
#include "scene/gl/Glengine.h"
#include "viewer/ViewerWindow.h"
#include "viewer/core/ActerSubject.h"
#include "viewer/core/ColourKeys.h"
#include "viewer/core/ModelSubject.h"
#include "viewer/core/ViewCamera.h"

#include <QApplication>
#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char* const Usage =
    "usage: tessarine-viewer MODEL.x [options]\n"
    "       tessarine-viewer ACTER_NUMBER GAME_FOLDER [options]\n"
    "A model inside a folder named Obje finds its textures from the folder above it.\n"
    "options:\n"
    "  --png FILE        render one frame offscreen into FILE and exit\n"
    "  --turn DEGREES    turn the subject about its vertical axis\n"
    "  --pitch DEGREES   camera tilt downwards (default 30)\n"
    "  --key             black is transparent in every texture\n"
    "  --motion N        play motion N of the acter for --ticks game steps (default 8)\n";

struct TOptions {
    std::vector<std::string> positional;
    std::string png;
    TViewCamera camera;
    std::optional<int> motion;
    int ticks = 8;
    bool keyBlack = false;
};

std::optional<float> NumberOf(const std::string& text) {
    float value = 0.0f;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<TOptions> ParseOptions(int argc, char** argv) {
    TOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word.rfind("--", 0) != 0) {
            options.positional.push_back(word);
            continue;
        }
        if (word == "--key") {
            options.keyBlack = true;
            continue;
        }
        if (i + 1 >= argc) {
            return std::nullopt;
        }
        const std::string value = argv[++i];
        const auto number = NumberOf(value);
        if (word == "--png") {
            options.png = value;
        } else if (word == "--turn" && number) {
            options.camera.turn = *number;
        } else if (word == "--pitch" && number) {
            options.camera.pitch = *number;
        } else if (word == "--motion" && number) {
            options.motion = static_cast<int>(*number);
        } else if (word == "--ticks" && number) {
            options.ticks = static_cast<int>(*number);
        } else {
            return std::nullopt;
        }
    }
    if (options.positional.empty() || options.positional.size() > 2) {
        return std::nullopt;
    }
    return options;
}

std::optional<std::uint32_t> ActerNumberOf(const std::string& text) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Model texture names are relative to the game folder, the one holding Obje.
fs::path GameFolderOf(const fs::path& model) {
    const fs::path absolute = fs::absolute(model);
    for (fs::path folder = absolute.parent_path(); folder.has_relative_path();
         folder = folder.parent_path()) {
        if (folder.filename() == "Obje" || folder.filename() == "obje") {
            return folder.parent_path();
        }
    }
    return fs::current_path();
}

std::unique_ptr<TViewSubject> MakeSubject(const TOptions& options) {
    if (options.positional.size() == 2) {
        const auto acterNo = ActerNumberOf(options.positional[0]);
        if (!acterNo) {
            throw std::invalid_argument("not an acter number: " + options.positional[0]);
        }
        fs::current_path(options.positional[1]);
        auto acter = std::make_unique<TActerSubject>(*acterNo);
        if (options.motion) {
            acter->PlayMotion(*options.motion);
            for (int tick = 0; tick < options.ticks; ++tick) {
                acter->Step();
            }
        }
        return acter;
    }
    const fs::path model = fs::absolute(options.positional[0]);
    fs::current_path(GameFolderOf(model));
    return std::make_unique<TModelSubject>(Utf8ToSjis(model.string()));
}

int RenderPng(const TViewSubject& subject, const TOptions& options) {
    TGLEngine engine;
    engine.InitDevice(nullptr, 0, TViewerWindow::ViewWidth, TViewerWindow::ViewHeight);
    if (!engine.HasDevice()) {
        return EXIT_FAILURE;
    }
    engine.SetupScene();
    if (options.keyBlack) {
        KeyBlackInAllTextures(engine);
    }
    const TBounds bounds = subject.Bounds();
    options.camera.Apply(engine, bounds);
    engine.BeginFrame();
    subject.Draw(engine, options.camera.TurnMatrix(bounds));
    engine.EndFrame();
    if (!engine.FrameImage().save(QString::fromStdString(options.png), "PNG")) {
        std::cerr << "tessarine-viewer: cannot write " << options.png << '\n';
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    auto options = ParseOptions(argc, argv);
    if (!options) {
        std::cerr << Usage;
        return EXIT_FAILURE;
    }
    if (!options->png.empty()) {
        options->png = fs::absolute(options->png).string();
    }
    // The game's messages go to standard error; the models and their
    // textures live until the viewer ends.
    const TScopedInstance<IMessageSeam, TStandardErrorSeam> seam;
    const TScopedInstance<CD3DTextureManager> textures;
    std::unique_ptr<TViewSubject> subject;
    try {
        subject = MakeSubject(*options);
    } catch (const TGameError& e) {
        std::cerr << "tessarine-viewer: " << PrintableSjis(e.what()) << '\n';
        return EXIT_FAILURE;
    } catch (const std::exception& e) {
        std::cerr << "tessarine-viewer: " << e.what() << '\n';
        return EXIT_FAILURE;
    }
    if (!options->png.empty()) {
        return RenderPng(*subject, *options);
    }
    TViewerWindow window(std::move(subject),
                         QString::fromStdString("tessarine-viewer " + options->positional[0]),
                         options->camera, options->keyBlack);
    window.show();
    return app.exec();
}
