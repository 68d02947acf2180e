#include "SimRunner.h"

#include "SimChoices.h"
#include "SimEquip.h"
#include "SimInput.h"
#include "activemap/Activemapproxy.h"
#include "core/SimErrors.h"
#include "core/SimWalk.h"
#include "platform/FailureReport.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/Gamekeys.h"
#include "shell/qt/Automappicture.h"
#include "shell/qt/Fm_dungeon.h"
#include "shell/qt/Fm_help.h"
#include "shell/qt/Fm_mdimain.h"
#include "shell/qt/Fm_story.h"
#include "shell/qt/GameMain.h"
#include "shell/qt/Gamecontrols.h"
#include "shell/qt/Px_formgame.h"
#include "village/qt/Px_formdungent.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QTimer>
#include <array>
#include <chrono>
#include <ctime>
#include <map>
#include <utility>
#include <vector>

namespace {

constexpr int WaitLimit = 20'000;
// More than one block of a walk or one turn on the spot can take, with
// whatever the floor shows on the way (a fairy, a forced level).
constexpr int StepLimit = 200;

// The script's name of the keypad key the game walks her in direction `way` with.
std::string WayKey(std::uint8_t way) {
    const TGameKey pad = DirectionKeys.at(way)[1];
    return "KP" + std::to_string(static_cast<int>(pad) - static_cast<int>(TGameKey::Pad1) + 1);
}

// The game window's controls by the names the window gives them.
std::string ControlName(const TSimCommand& command) {
    if (command.name == "move") {
        // The move buttons by direction: north, east, south, west, then the
        // diagonals clockwise from north-east.
        static const std::array<const char*, 8> moves = {
            "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton5",
            "SpeedButton6", "SpeedButton7", "SpeedButton8", "SpeedButton9"};
        return moves[static_cast<std::size_t>(command.number)];
    }
    static const std::map<std::string, std::string> named = {{"◆", "SpeedButton1"},
                                                             {"アイテム", "SpeedButton10"},
                                                             {"セーブ", "SpeedButton11"},
                                                             {"クリア", "SpeedButton12"},
                                                             {"ロード", "SpeedButton13"},
                                                             {"高速モード", "Panel7"},
                                                             {"▼", "Panel2"}};
    return named.at(command.name);
}

QAction* FindMenuItem(const QList<QAction*>& actions, const QString& caption) {
    for (QAction* action : actions) {
        if (action->isSeparator()) {
            continue;
        }
        if (action->menu()) {
            if (QAction* found = FindMenuItem(action->menu()->actions(), caption)) {
                return found;
            }
        } else if (action->text().remove(QLatin1Char('&')) == caption) {
            return action;
        }
    }
    return nullptr;
}

std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

TSimRunner::TSimRunner(const TSimOptions& simOptions, std::vector<TSimCommand> script,
                       std::ostream& output, std::ostream& errors)
    : options(simOptions), commands(std::move(script)), out(output), err(errors),
      platform(simOptions.draw, simOptions.seed, output) {
    nextCommand.setSingleShot(true);
    nextCommand.setInterval(0);
    connect(&nextCommand, &QTimer::timeout, this, [this] { RunNext(); });
}

TSimRunner::~TSimRunner() = default;

int TSimRunner::Run() {
    if (!options.trace.empty()) {
        trace = std::make_unique<std::ofstream>(options.trace, std::ios::binary | std::ios::trunc);
        if (!*trace) {
            err << "tessarine-sim: cannot write the trace " << options.trace << '\n';
            return SimError;
        }
    }
    try {
        // The settings file goes into the game folder, as beside the executable.
        window = std::make_unique<TFormMDIMain>(
            "Tessarine.ini", [this](TPX_FormMDI& mainProxy) { return platform.Bundle(mainProxy); });
    } catch (...) {
        err << "tessarine-sim: error of the game: " << FailureTextUtf8(std::current_exception())
            << '\n';
        return SimError;
    }
    clockwork =
        std::make_unique<TSimClockwork>(platform.Clock(), platform.Timers(), platform.Thread(),
                                        [] { QCoreApplication::sendPostedEvents(); });
    ShowMainWindow(*window);
    // The title comes by an event the window posts when it is shown.
    QCoreApplication::sendPostedEvents();
    nextCommand.start();
    QApplication::exec();
    try {
        // Writes the settings as the program's end would.
        window.reset();
    } catch (...) {
        err << "tessarine-sim: error of the game: " << FailureTextUtf8(std::current_exception())
            << '\n';
        return SimError;
    }
    return status;
}

void TSimRunner::Finish(int exitStatus) {
    if (!finished) {
        finished = true;
        status = exitStatus;
        // Ends every loop, also that of a modal window still open.
        QCoreApplication::exit(exitStatus);
    }
}

void TSimRunner::RunNext() {
    if (finished) {
        return;
    }
    if (next == commands.size()) {
        Finish(SimPassed);
        return;
    }
    const TSimCommand& command = commands[next++];
    // Started first: a command that opens a modal window returns only when it
    // closes, and the commands that close it run in its loop.
    nextCommand.start();
    try {
        if (!window->isVisible()) {
            throw TSimFailure("the program has ended: its main window is closed");
        }
        Execute(command);
        TSimAnswers& answers = platform.Answers();
        if (!answers.unanswered.empty()) {
            const std::string question = answers.unanswered.front();
            answers.unanswered.clear();
            throw TSimFailure("the game asked \"" + question + "\" and no answer was given");
        }
        clockwork->Wake();
    } catch (const TSimFailure& failure) {
        ReportFailure(command, failure.what());
        Finish(SimFailed);
    } catch (const TSimScriptError& error) {
        err << "tessarine-sim: line " << command.line << ": " << command.text << "\n  "
            << error.what() << '\n';
        Finish(SimError);
    } catch (...) {
        err << "tessarine-sim: line " << command.line << ": " << command.text
            << "\n  error of the game: " << FailureTextUtf8(std::current_exception()) << '\n';
        Finish(SimError);
    }
}

void TSimRunner::ReportFailure(const TSimCommand& command, const std::string& why) {
    err << "tessarine-sim: line " << command.line << ": " << command.text << "\n  failed: " << why
        << "\n  state: " << State().Line() << '\n';
}

void TSimRunner::Execute(const TSimCommand& command) {
    switch (command.verb) {
    case TSimVerb::Key:
    case TSimVerb::Hold:
    case TSimVerb::Release:
        Key(command);
        break;
    case TSimVerb::Button:
        Button(command);
        break;
    case TSimVerb::Menu:
        Menu(command);
        break;
    case TSimVerb::Title:
        Title(command);
        break;
    case TSimVerb::Answer:
        platform.Answers().yesNo.push_back(command.number);
        break;
    case TSimVerb::Entrance:
        entranceAnswers.push_back(command);
        AnswerEntranceIfOpen();
        break;
    case TSimVerb::Choose:
        ChooseTalk(*RequireGameForm(command).ListBox1(), command.number);
        break;
    case TSimVerb::Slot:
        platform.Answers().saveSlots.push_back(command.number);
        break;
    case TSimVerb::Steps:
        Steps(command);
        break;
    case TSimVerb::Wait:
        Wait({});
        break;
    case TSimVerb::Close:
        Close();
        break;
    case TSimVerb::Equip:
        PlayEquip(platform.EquipScreen(), command);
        break;
    case TSimVerb::Unite:
        PlayUnite(platform.EquipScreen(), command);
        break;
    case TSimVerb::Walk:
        Walk(command);
        break;
    case TSimVerb::Face:
        Face(command);
        break;
    case TSimVerb::Act:
        Act(command);
        break;
    case TSimVerb::Expect:
        Expect(command);
        break;
    case TSimVerb::State:
        out << State().Line() << std::endl;
        break;
    case TSimVerb::Screenshot:
        Screenshot(command);
        break;
    }
}

void TSimRunner::Step() {
    clockwork->Step();
    AnswerEntranceIfOpen();
    if (trace) {
        *trace << State().Line() << '\n';
    }
}

void TSimRunner::AnswerEntranceIfOpen() {
    const TPX_FormDungEnt* entrance = platform.Entrance();
    if (entranceAnswers.empty() || !entrance || !entrance->IsOpen()) {
        return;
    }
    const TSimCommand answer = entranceAnswers.front();
    entranceAnswers.pop_front();
    AnswerEntrance(*entrance->Form(), answer);
}

void TSimRunner::Steps(const TSimCommand& command) {
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t processorStart = std::clock();
    for (int i = 0; i < command.number; ++i) {
        Step();
    }
    if (options.timing) {
        // Processor time too: on a busy machine the wall clock tells more
        // about the others than about the game.
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        const double processor =
            static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC;
        const auto rate = [&](double seconds) {
            return seconds > 0 ? static_cast<long long>(command.number / seconds) : 0LL;
        };
        err << "timing: line " << command.line << ": " << command.number << " steps in "
            << took.count() << " s, " << processor << " s of processor time: " << rate(took.count())
            << " steps/s, " << rate(processor) << " steps/s of processor time" << std::endl;
    }
}

void TSimRunner::Wait(const std::function<void(int)>& eachStep) {
    // At least one step: an order given just now is taken by the next one.
    for (int steps = 1;; ++steps) {
        Step();
        const int mapState = Operator().MapState();
        if (eachStep) {
            eachStep(mapState);
        }
        // A talk waits for the player too: for the next line or a choice.
        if (mapState <= msWaitInput || mapState == msTalk) {
            return;
        }
        if (steps == WaitLimit) {
            throw TSimFailure("the map did not wait for the player within " +
                              std::to_string(WaitLimit) + " steps");
        }
    }
}

TDungOperator& TSimRunner::Operator() const {
    return window->Proxy().App().DungOperator();
}

IActiveMap& TSimRunner::WaitingMap(const TSimCommand& command) const {
    IActiveMap* map = Operator().ActiveMap();
    if (!map) {
        throw TSimFailure("no map to walk on for " + command.text);
    }
    if (Operator().MapState() != msWaitInput) {
        throw TSimFailure("the map does not wait for the player (mapstate=" +
                          std::to_string(Operator().MapState()) + ")");
    }
    return *map;
}

void TSimRunner::GameKey(const TSimCommand& command, const std::string& name, bool ctrl,
                         bool press) {
    QWidget& form = RequireGameForm(command);
    // Keys go where the window's keyboard focus is, else to the window.
    QWidget* focus = form.focusWidget();
    SendKey(focus ? *focus : form, QtKeyOf(name, ctrl), press);
}

bool TSimRunner::StepsDash() const {
    const TPX_FormGame* gameWindow = platform.GameWindow();
    return gameWindow && gameWindow->FastMode();
}

TSimRunner::TMapSeen TSimRunner::MapSeen() const {
    const IActiveMap* map = Operator().ActiveMap();
    return {map, map && map->IsVillage(), map ? map->GetNumber() : 0};
}

void TSimRunner::Walk(const TSimCommand& command) {
    const IActiveMap& map = WaitingMap(command);
    const TSimWalkPlan plan =
        PlanSimWalk(TActiveMapProxy::Instance(), *map.HeroBlock(), command.number, command.second);
    if (!plan.Found()) {
        throw TSimFailure(plan.refusal);
    }
    for (std::size_t i = 0; i < plan.ways.size(); ++i) {
        const std::string interruption = WalkStep(command, plan.ways[i], i + 1 == plan.ways.size());
        if (!interruption.empty()) {
            throw TSimFailure("the walk was interrupted in step " + std::to_string(i + 1) + " of " +
                              std::to_string(plan.ways.size()) + ": " + interruption);
        }
    }
}

std::string TSimRunner::WalkStep(const TSimCommand& command, std::uint8_t way, bool last) {
    const TMapSeen seen = MapSeen();
    IActiveMap* const map = Operator().ActiveMap();
    const TDungBlock* from = map->HeroBlock();
    const TGridStep step = GridStepOf(way);
    const int toX = from->GetX() + step.dx;
    const int toY = from->GetY() + step.dy;
    const auto mapChanged = [&] { return MapSeen() != seen; };
    // The key is held through a turn toward the block and let go once she
    // walks, as a player taps it.
    const std::string key = WayKey(way);
    const bool ctrl = StepsDash();
    GameKey(command, key, ctrl, true);
    std::string notStarted;
    for (int steps = 1; notStarted.empty() && map->HeroStateId() != das_Walk; ++steps) {
        if (steps > StepLimit) {
            notStarted =
                "she did not start the step within " + std::to_string(StepLimit) + " steps";
            break;
        }
        Step();
        if (mapChanged()) {
            notStarted = "the map changed before she walked";
        } else if (map->HeroStateId() == das_Wait && map->HeroFacing() == way) {
            notStarted = "block " + BlockName(toX, toY) + " was taken before she stepped onto it";
        }
    }
    GameKey(command, key, ctrl, false);
    if (!notStarted.empty()) {
        return notStarted;
    }
    bool attacked = false;
    bool collapsed = false;
    Wait([&](int mapState) {
        attacked |= mapState == msEnemyAttack;
        collapsed |= mapState == msCollapsed;
    });
    if (collapsed) {
        return "she collapsed";
    }
    if (mapChanged()) {
        // Only an exit at the walk's end changes the map on purpose.
        return last ? std::string() : "the map changed under her";
    }
    // A blow as she arrives is the script's fight; on the way it ends the walk.
    if (attacked && !last) {
        return "an enemy attacked her (a fight)";
    }
    // A warp within the floor carries her on from the exit a walk ends on.
    const bool warped = last && map->BlockAt(toX, toY)->FloarKind() == FloarKindExit;
    const TDungBlock* at = map->HeroBlock();
    if (!warped && (at->GetX() != toX || at->GetY() != toY)) {
        return "she stands at " + BlockName(at->GetX(), at->GetY()) + ", not at " +
               BlockName(toX, toY);
    }
    return {};
}

void TSimRunner::Face(const TSimCommand& command) {
    IActiveMap& map = WaitingMap(command);
    const auto way = static_cast<std::uint8_t>(command.number);
    if (map.HeroFacing() == way) {
        return;
    }
    const TMapSeen seen = MapSeen();
    // Let go as soon as she turns, or the held key would walk her on.
    const std::string key = WayKey(way);
    const bool ctrl = StepsDash();
    GameKey(command, key, ctrl, true);
    Step();
    GameKey(command, key, ctrl, false);
    for (int steps = 1;; ++steps) {
        if (MapSeen() != seen) {
            throw TSimFailure("the map changed while she turned");
        }
        if (Operator().MapState() == msWaitInput && map.HeroStateId() != das_Turn) {
            break;
        }
        if (steps == StepLimit) {
            throw TSimFailure("she did not finish turning within " + std::to_string(StepLimit) +
                              " steps");
        }
        Step();
    }
    if (map.HeroFacing() != way) {
        throw TSimFailure("she faces " + std::to_string(map.HeroFacing()) + ", not " +
                          std::to_string(way));
    }
}

void TSimRunner::Act(const TSimCommand& command) {
    WaitingMap(command);
    // Held for one step, as a player taps it: let go at once, the key's
    // release would take back the order before she took it.
    GameKey(command, "Space", false, true);
    Step();
    GameKey(command, "Space", false, false);
    Wait({});
}

void TSimRunner::Expect(const TSimCommand& command) {
    const TSimState state = State();
    std::string mismatches;
    for (const auto& [key, wanted] : command.expectations) {
        const std::string& value = state.Value(key);
        if (value != wanted) {
            mismatches +=
                (mismatches.empty() ? "" : "; ") + key + " is " + value + ", expected " + wanted;
        }
    }
    if (!mismatches.empty()) {
        throw TSimFailure(mismatches);
    }
}

TFormDung* TSimRunner::GameForm() const {
    const TPX_FormGame* gameWindow = platform.GameWindow();
    return gameWindow ? gameWindow->Form() : nullptr;
}

TFormDung& TSimRunner::RequireGameForm(const TSimCommand& command) const {
    TFormDung* form = GameForm();
    if (!form) {
        throw TSimFailure("no game window for " + command.text);
    }
    return *form;
}

void TSimRunner::Key(const TSimCommand& command) {
    if (command.verb != TSimVerb::Release) {
        GameKey(command, command.name, command.ctrl, true);
    }
    if (command.verb != TSimVerb::Hold) {
        GameKey(command, command.name, command.ctrl, false);
    }
}

void TSimRunner::Button(const TSimCommand& command) {
    QWidget& form = RequireGameForm(command);
    const std::string name = ControlName(command);
    QWidget* control = form.findChild<QWidget*>(QString::fromStdString(name));
    if (!control) {
        throw TSimFailure("the game window has no control " + name + " for " + command.text);
    }
    if (!control->isVisible() || !control->isEnabled()) {
        throw TSimFailure(name + " is hidden or disabled");
    }
    SendClick(*control, command.otherButton ? Qt::RightButton : Qt::LeftButton);
}

void TSimRunner::Menu(const TSimCommand& command) {
    QAction* item =
        FindMenuItem(window->menuBar()->actions(), QString::fromStdString(command.name));
    if (!item) {
        throw TSimScriptError("the main window has no menu item " + command.name);
    }
    if (!item->isEnabled()) {
        throw TSimFailure("the menu item " + command.name + " is disabled");
    }
    item->trigger();
}

void TSimRunner::Title(const TSimCommand& command) {
    QMdiSubWindow* title = window->Title();
    if (!title) {
        throw TSimFailure("no title on screen");
    }
    auto* label = title->findChild<QLabel*>(command.name == "START" ? QStringLiteral("Label1")
                                                                    : QStringLiteral("Label2"));
    if (!label) {
        throw TSimFailure("the title has no " + command.name);
    }
    SendClick(*label, Qt::LeftButton);
}

void TSimRunner::Close() {
    // The topmost first: a modal dialog above a story screen.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        return;
    }
    if (TFormHelp* help = window->HelpWindow(); help && help->isVisible()) {
        help->close();
        return;
    }
    if (TFormStory* story = window->Story()) {
        story->close();
        return;
    }
    throw TSimFailure("no story window, help or dialog to close");
}

QPixmap TSimRunner::Picture() const {
    QWidget* form = GameForm();
    if (form && !QApplication::activeModalWidget()) {
        return form->grab();
    }
    // No game window, or a dialog over it: the main window as the player sees
    // it, with the game window, the story screen, the help and a modal dialog
    // over it where they stand; a dialog reaching past the main window widens
    // the picture.
    const QPoint origin = window->mapToGlobal(QPoint(0, 0));
    std::vector<std::pair<QPoint, QPixmap>> layers = {{QPoint(0, 0), window->grab()}};
    QRect bounds(QPoint(0, 0), layers.front().second.size());
    for (QWidget* above :
         {static_cast<QWidget*>(window->Story()), static_cast<QWidget*>(window->HelpWindow()),
          QApplication::activeModalWidget()}) {
        if (above && above->isVisible()) {
            layers.emplace_back(above->mapToGlobal(QPoint(0, 0)) - origin, above->grab());
            bounds |= QRect(layers.back().first, layers.back().second.size());
        }
    }
    QPixmap picture(bounds.size());
    picture.fill(Qt::black);
    QPainter painter(&picture);
    for (const auto& [at, layer] : layers) {
        painter.drawPixmap(at - bounds.topLeft(), layer);
    }
    return picture;
}

void TSimRunner::Screenshot(const TSimCommand& command) {
    const QString file = QString::fromStdString(command.name);
    if (!Picture().save(file, "PNG")) {
        throw TSimScriptError("cannot write the picture " + command.name);
    }
}

std::string TSimRunner::Notices() const {
    const TFormDung* form = GameForm();
    std::string notices;
    if (!form) {
        return notices;
    }
    // The notice of the turn, then the line of the level reached or the remark.
    for (const QLabel* panel : {form->Panel4(), form->Panel5()}) {
        if (panel->isVisibleTo(form) && !panel->text().isEmpty()) {
            notices += (notices.empty() ? "" : "+") + Utf8(panel->text());
        }
    }
    return notices;
}

std::string TSimRunner::Talk() const {
    const TFormDung* form = GameForm();
    if (!form || !form->Panel1()->isVisibleTo(form)) {
        return {};
    }
    if (form->ListBox1()->isVisibleTo(form)) {
        return "choices";
    }
    // The box keeps the last line until the next command.
    return form->Panel2()->isVisibleTo(form) ? "more" : "end";
}

TSimState TSimRunner::State() const {
    TSimState state;
    state.Set("step", std::to_string(clockwork->Steps()));
    ReadOperatorState(Operator(), state);
    ReadHeroState(state);
    state.Set("title", window->TitleOpen() ? "1" : "0");
    const TFormStory* story = window->Story();
    state.Set("story", story ? Utf8(story->windowTitle()) : "-");
    const TPX_FormGame* gameWindow = platform.GameWindow();
    QMdiSubWindow* child = gameWindow ? gameWindow->Window() : nullptr;
    state.Set("window", child ? "1" : "0");
    state.Set("caption", child ? Utf8(child->windowTitle()) : "-");
    const QAction* retry =
        FindMenuItem(window->menuBar()->actions(), QStringLiteral("やり直し..."));
    state.Set("retry", retry && retry->isEnabled() ? "1" : "0");
    const QWidget* modal = QApplication::activeModalWidget();
    state.Set("dialog", modal ? Utf8(modal->windowTitle()) : "-");
    state.Set("notice", Notices());
    const TFormDung* form = GameForm();
    state.Set("automap", form ? (form->Image1()->isVisibleTo(form) ? "1" : "0") : "-");
    const TPX_FormDungEnt* entrance = platform.Entrance();
    state.Set("entrance", entrance && entrance->IsOpen() ? OfferedAreas(*entrance->Form()) : "-");
    state.Set("talk", Talk());
    return state;
}
