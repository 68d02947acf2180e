// tessarine-sim: plays a script on the real game, headless and deterministic.
#include "SimRunner.h"
#include "core/SimErrors.h"
#include "core/SimOptions.h"
#include "core/SimScript.h"
#include "shell/qt/GameMain.h"

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string ReadScript(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw TSimScriptError("cannot read the script " + path);
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Everything the script names is found from where the simulator was started,
// before it moves into the game folder.
void MakePathsAbsolute(TSimOptions& options, std::vector<TSimCommand>& commands) {
    if (!options.trace.empty()) {
        options.trace = fs::absolute(options.trace).string();
    }
    for (TSimCommand& command : commands) {
        if (command.verb == TSimVerb::Screenshot) {
            if (!options.draw) {
                throw TSimScriptError("line " + std::to_string(command.line) +
                                      ": screenshot needs --draw");
            }
            command.name = fs::absolute(command.name).string();
        }
    }
}

// Without drawing no display is needed at all; drawing needs an X display for
// OpenGL, but the windows still stay off the screen.
void ChoosePlatform(bool draw) {
    if (!draw) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        throw TSimScriptError("--draw needs an X display (DISPLAY is not set), such as Xvfb");
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// Two notes of Qt that every headless run would print, and that say nothing
// about the game.
void QuietQtNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")) ||
        message == QStringLiteral("This plugin does not support propagateSizeHints()")) {
        return;
    }
    std::cerr << qFormatLogMessage(type, context, message).toStdString() << std::endl;
}

} // namespace

int main(int argc, char** argv) {
    TSimOptions options;
    std::vector<TSimCommand> commands;
    try {
        options = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
        commands = ParseSimScript(ReadScript(options.script));
        MakePathsAbsolute(options, commands);
        ChoosePlatform(options.draw);
        std::error_code failed;
        fs::current_path(fs::path(options.game), failed);
        if (failed) {
            throw TSimScriptError("cannot enter the game folder " + options.game + ": " +
                                  failed.message());
        }
    } catch (const TSimScriptError& error) {
        std::cerr << "tessarine-sim: " << error.what() << std::endl;
        return SimError;
    }
    qInstallMessageHandler(QuietQtNotes);
    QApplication application(argc, argv);
    PrepareApplication();
    // The script decides when the program ends, not the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    TSimRunner runner(options, std::move(commands), std::cout, std::cerr);
    const int status = runner.Run();
    std::cout.flush();
    return status;
}
