#include "FloorBench.h"

#include "MachineStallWatch.h"
#include "SimBundle.h"
#include "activemap/Activemap.h"
#include "activemap/Drawmaster.h"
#include "actors/Herosbase.h"
#include "actors/Idungacter.h"
#include "save/Savedungeon.h"
#include "scene/D3dfile.h"
#include "scene/Dx7grph.h"
#include "scene/I3DEngine.h"
#include "shell/App.h"
#include "shell/Dungoperator.h"
#include "shell/qt/Fm_mdimain.h"
#include "shell/qt/Px_formmdi.h"
#include "world/Area.h"
#include "world/Base3dutil.h"
#include "world/Dungblock.h"

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <stdexcept>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Counts what a frame would draw instead of drawing it.
class TCountingEngine final : public I3DEngine {
public:
    void InitDevice(void*, std::uint8_t, std::int32_t, std::int32_t) override {}
    void BeginFrame() override {
        leaves = 0;
        triangles = 0;
    }
    void EndFrame() override {}
    void Draw(I3DGrph& graphics, const IMatrix&) override {
        ++leaves;
        // The bench's graphics factory makes only models read from files.
        triangles += TrianglesOf(static_cast<const TDX7_Xfile&>(graphics).LoadedModel());
    }
    TViewMat& GetViewMat() override { return camera; }
    void ApplyView() override {}
    void SetupScene() override {}
    void SetColorKey(const std::string&, std::uint32_t) override {}
    void GetViewProj(TOneMat&) override {}
    void SetProjection(float, float, float, float) override {}
    int SurfaceColorDepth() override { return 16; }

    long leaves = 0;
    long triangles = 0;

private:
    long TrianglesOf(const CD3DFile* model) {
        if (!model) {
            return 0;
        }
        const auto known = counted.find(model);
        if (known != counted.end()) {
            return known->second;
        }
        long count = 0;
        std::vector<const CD3DFileObject*> nodes{&model->Root()};
        while (!nodes.empty()) {
            const CD3DFileObject* node = nodes.back();
            nodes.pop_back();
            for (const auto& slot : node->Slots()) {
                count += static_cast<long>(slot.indices.size() / 3);
            }
            for (const auto& child : node->Children()) {
                nodes.push_back(child.get());
            }
        }
        return counted[model] = count;
    }

    TViewMat camera;
    std::map<const CD3DFile*, long> counted;
};

struct TView {
    int stage = -1;
    int floar = 0;
    int x = 0;
    int y = 0;
    long leaves = 0;
    long triangles = 0;
};

// Puts the heroine on another block of the same floor, body and all.
void MoveHeroine(IActiveMap& map, int x, int y) {
    IDungActer& hero = *map.GetHeroActer();
    const auto [atX, atY, atZ] = map.HeroPosition();
    hero.MoveTo(map.BlockAt(x, y));
    hero.Move(WorldXOfBlock(x) - atX, 0.0f, WorldZOfBlock(y) - atZ);
}

// The game, made as the desktop makes it but run by hand: the real windows
// on the screen, the real engine on the game window's 3D view, the game
// loop still unless stepped.
class TBenchGame {
public:
    explicit TBenchGame(const fs::path& gameFolder)
        : previous(fs::current_path()), platform(true, 1, std::cerr) {
        fs::current_path(gameFolder);
        window = std::make_unique<TFormMDIMain>(
            "Tessarine.ini", [this](TPX_FormMDI& mainProxy) { return platform.Bundle(mainProxy); });
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            throw std::runtime_error("the main window does not show");
        }
        window->CloseTitle();
    }
    ~TBenchGame() {
        window.reset();
        fs::current_path(previous);
    }

    TDungOperator& Operator() { return window->Proxy().App().DungOperator(); }

    // The floor and the heroine's block with the most triangles in view.
    TView DensestView() {
        TCountingEngine counter;
        TDrawMaster drawMaster;
        TView densest;
        for (const int stage : Stages()) {
            Enter(stage);
            const int floars = static_cast<int>(CurrentDungeonSave().floars.size());
            for (int floar = 1; floar <= floars; ++floar) {
                IActiveMap& map = ToFloar(floar);
                for (int y = 0; y < map.GetHeight(); ++y) {
                    for (int x = 0; x < map.GetWidth(); ++x) {
                        if (map.BlockAt(x, y)->BlocksPassage()) {
                            continue;
                        }
                        MoveHeroine(map, x, y);
                        drawMaster.SetupDungeon(counter, map);
                        drawMaster.DrawScene();
                        if (counter.triangles > densest.triangles) {
                            densest = {stage, floar, x, y, counter.leaves, counter.triangles};
                        }
                    }
                }
            }
        }
        return densest;
    }

    IActiveMap& Show(const TView& view) {
        Enter(view.stage);
        IActiveMap& map = ToFloar(view.floar);
        MoveHeroine(map, view.x, view.y);
        // The game window has painted itself before its first frame, as in
        // play.
        QTest::qWait(200);
        return map;
    }

private:
    // Every dungeon the entrance screen can offer.
    static std::vector<int> Stages() {
        const TAreaOperator& areas = TAreaOperator::Instance();
        std::vector<int> stages;
        for (size_t area = 0; area < areas.AreaCount(); ++area) {
            for (size_t pos = 0; pos < areas.GetArea(area).stageNumbers.size(); ++pos) {
                stages.push_back(areas.DungeonNumber(area, pos));
            }
        }
        return stages;
    }
    void Enter(int stage) { Operator().EnterDungeon(stage, false); }
    IActiveMap& ToFloar(int floar) {
        // Any block of the floor will do: the search moves her afterwards.
        TSaveHero& hero = CurrentDungeonSave().hero;
        hero.floar = static_cast<std::uint8_t>(floar);
        hero.x = 0;
        hero.y = 0;
        Operator().ChangeFloor();
        return *Operator().ActiveMap();
    }

    fs::path previous;
    TSimPlatform platform;
    std::unique_ptr<TFormMDIMain> window;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

fs::path gameFolder = "game";

// One frame of the densest view of the game's content, drawn by the game's
// draw master with the game's engine into the game window's 3D view on the
// screen: the camera's follow, the frame, every body in view, the read-back
// and the painting into the view.
void DrawDensestViewOfTheContent(benchmark::State& state) {
    if (!fs::exists(gameFolder / "Data" / "DungData")) {
        state.SkipWithError("no game folder with dungeons (lay it out with scripts/layout-game, "
                            "or give --game DIR)");
        return;
    }
    TBenchGame game(gameFolder);
    const TView view = game.DensestView();
    IActiveMap& map = game.Show(view);
    TDrawMaster drawMaster;
    drawMaster.SetupDungeon(game.Operator().Engine(), map);

    using TClock = TMachineStallWatch::TClock;
    std::vector<std::pair<TClock::time_point, TClock::time_point>> spans;
    spans.reserve(static_cast<size_t>(state.max_iterations));
    TMachineStallWatch machine;
    for (auto _ : state) {
        const auto start = TClock::now();
        drawMaster.DrawScene();
        spans.emplace_back(start, TClock::now());
    }
    machine.Stop();

    using TMs = std::chrono::duration<double, std::milli>;
    std::vector<double> frames;
    // A frame's time less what the machine spent stalled within it.
    std::vector<double> ownFrames;
    int stalledFrames = 0;
    for (const auto& [start, end] : spans) {
        const auto stalled = machine.StalledWithin(start, end);
        stalledFrames += stalled.count() > 0 ? 1 : 0;
        frames.push_back(TMs(end - start).count());
        ownFrames.push_back(TMs(end - start - stalled).count());
    }
    double load[3] = {0, 0, 0};
    getloadavg(load, 3);
    state.counters["stage"] = view.stage + 1;
    state.counters["floor"] = view.floar;
    state.counters["x"] = view.x;
    state.counters["y"] = view.y;
    state.counters["leaves"] = static_cast<double>(view.leaves);
    state.counters["triangles"] = static_cast<double>(view.triangles);
    state.counters["median_ms"] = Median(frames);
    state.counters["max_ms"] = *std::max_element(frames.begin(), frames.end());
    state.counters["first_ms"] = frames.front();
    std::vector<double> sorted = frames;
    std::sort(sorted.begin(), sorted.end());
    state.counters["p99_ms"] = sorted[sorted.size() * 99 / 100];
    state.counters["second_max_ms"] = sorted[sorted.size() - 2];
    state.counters["load1"] = load[0];
    state.counters["own_max_ms"] = *std::max_element(ownFrames.begin(), ownFrames.end());
    state.counters["machine_stalls"] = static_cast<double>(machine.Stalls().size());
    state.counters["longest_stall_ms"] = TMs(machine.LongestStall()).count();
    state.counters["stalled_frames"] = stalledFrames;
    state.counters["watch_realtime"] = machine.RealTime() ? 1 : 0;
}

} // namespace

void SetGameFolder(const std::string& folder) {
    gameFolder = folder;
}

BENCHMARK(DrawDensestViewOfTheContent)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(500);
