#pragma once

#include "SimBundle.h"
#include "core/SimClockwork.h"
#include "core/SimOptions.h"
#include "core/SimScript.h"
#include "core/SimState.h"

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

class IActiveMap;
class QPixmap;
class QWidget;
class TDungOperator;
class TFormDung;
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

private:
    void RunNext();
    void Execute(const TSimCommand& command);
    void Finish(int exitStatus);
    void ReportFailure(const TSimCommand& command, const std::string& why);

    // One step; an entrance screen that is open then takes the script's
    // next answer for it.
    void Step();
    void AnswerEntranceIfOpen();
    // Runs the command's steps, timed with --timing.
    void Steps(const TSimCommand& command);
    // Steps until the map waits for the player or there is none; `eachStep`
    // sees the map state after every step.
    void Wait(const std::function<void(int)>& eachStep);
    void Walk(const TSimCommand& command);
    // One block of a walk: the direction key held until she walks, then the
    // turn played until the map waits again. Answers why she did not arrive
    // as planned, or nothing.
    std::string WalkStep(const TSimCommand& command, std::uint8_t way, bool last);
    void Face(const TSimCommand& command);
    // The action key tapped; then the turn is played until the map waits.
    void Act(const TSimCommand& command);
    // Whether a direction key dashes (fast mode): with Ctrl it steps then.
    bool StepsDash() const;
    // A key of the script's names pressed or let go in the game window.
    void GameKey(const TSimCommand& command, const std::string& name, bool ctrl, bool press);
    // Which map is being played: a change of floor rebuilds the same map.
    struct TMapSeen {
        const IActiveMap* map;
        bool village;
        int number;
        bool operator==(const TMapSeen&) const = default;
    };
    TMapSeen MapSeen() const;
    // The map being played, waiting for the player.
    IActiveMap& WaitingMap(const TSimCommand& command) const;
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
    // What the game window's notice panels show, joined by "+".
    std::string Notices() const;
    // What the game window's talk box asks of the player.
    std::string Talk() const;
    TDungOperator& Operator() const;
    // The game window's form, or null when it is closed.
    TFormDung* GameForm() const;
    TFormDung& RequireGameForm(const TSimCommand& command) const;

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
    // The answers for the coming entrance screens, in order.
    std::deque<TSimCommand> entranceAnswers;
    bool finished = false;
    int status = 0;
};
