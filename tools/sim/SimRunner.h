#pragma once

#include "SimBundle.h"
#include "core/SimClockwork.h"
#include "core/SimOptions.h"
#include "core/SimScript.h"
#include "core/SimState.h"

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <vector>

class QPixmap;
class QWidget;
class TFormMDIMain;

// Plays a script on the real program: the main window and the game behind
// it, assembled from the simulator's platform, in the current folder (the
// game folder). Commands run one by one from the event loop, so that one
// that opens a modal window leaves the next to run inside that window's
// loop, as a player would go on clicking in it. They are started by a timer,
// not by a posted event: the events a step delivers must not start one.
class TSimRunner final : public QObject {
public:
    // Paths in `options` and in the script are taken as given (made absolute
    // by the caller before it changed into the game folder).
    TSimRunner(const TSimOptions& options, std::vector<TSimCommand> commands, std::ostream& out,
               std::ostream& err);
    ~TSimRunner() override;

    // Runs the whole script and answers the exit status.
    int Run();

    // Commands whose game side is not there yet: they fail before the game
    // starts. Empty when every command can run.
    static std::string NotYetPlayable(const std::vector<TSimCommand>& commands);

private:
    void RunNext();
    void Execute(const TSimCommand& command);
    void Finish(int exitStatus);
    void ReportFailure(const TSimCommand& command, const std::string& why);

    void Step();
    void Wait();
    void Expect(const TSimCommand& command);
    void Key(const TSimCommand& command);
    void Button(const TSimCommand& command);
    void Menu(const TSimCommand& command);
    void Title(const TSimCommand& command);
    void Close();
    void Screenshot(const TSimCommand& command);
    // The game window, or with none the main window and what stands over it.
    QPixmap Picture() const;

    TSimState State() const;
    // The game window's form, or null when it is closed.
    QWidget* GameForm() const;
    QWidget& RequireGameForm(const TSimCommand& command) const;

    TSimOptions options;
    std::vector<TSimCommand> commands;
    std::ostream& out;
    std::ostream& err;
    std::unique_ptr<std::ofstream> trace;
    TSimPlatform platform;
    std::unique_ptr<TSimClockwork> clockwork;
    std::unique_ptr<TFormMDIMain> window;
    QTimer nextCommand;
    std::size_t next = 0;
    bool finished = false;
    int status = 0;
};
