#include "BenchModels.h"
#include "FloorBench.h"
#include "platform/GameFiles.h"
#include "scene/Dx7grph.h"
#include "scene/Texturecontainer.h"
#include "scene/gl/Glengine.h"

#include <QApplication>
#include <array>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The game's view and camera.
constexpr int ViewWidth = 491;
constexpr int ViewHeight = 504;

// A fresh folder as the current folder, for the models and their texture.
class TBenchFolder {
public:
    TBenchFolder() : path(fs::temp_directory_path() / "tessarine-bench") {
        fs::remove_all(path);
        fs::create_directories(path / "Obje");
        previous = fs::current_path();
        fs::current_path(path);
    }
    ~TBenchFolder() {
        fs::current_path(previous);
        fs::remove_all(path);
    }

private:
    fs::path path;
    fs::path previous;
};

void WriteText(const std::string& name, const std::string& text) {
    WriteWholeGameFile(name, std::vector<std::uint8_t>(text.begin(), text.end()));
}

// A 64 x 64 24-bit bitmap of stripes, black ones keyed out.
void WriteTexture(const std::string& name) {
    constexpr int side = 64;
    std::vector<std::uint8_t> file{'B', 'M'};
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        }
    };
    u32(54 + side * side * 3);
    u32(0);
    u32(54);
    u32(40);
    u32(side);
    u32(side);
    u32(1 | 24 << 16);
    for (int i = 0; i < 6; ++i) {
        u32(0);
    }
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool dark = (x / 8 + y / 8) % 4 == 0;
            const auto shade = static_cast<std::uint8_t>(dark ? 0 : 120 + x * 2);
            file.insert(file.end(), {shade, static_cast<std::uint8_t>(dark ? 0 : 180),
                                     static_cast<std::uint8_t>(dark ? 0 : 220)});
        }
    }
    WriteWholeGameFile(name, file);
}

// 300 models of 12 to 200 triangles over the cells the game draws around the
// heroine (8 columns each side, 9 rows north, 6 south), seen by its camera.
void DrawFrameOf300Models(benchmark::State& state) {
    TBenchFolder folder;
    const TScopedInstance<CD3DTextureManager> textures;
    WriteTexture("Obje/Stripes.bmp");
    const std::array<std::array<int, 2>, 7> sheets{
        {{2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 8}, {8, 9}, {10, 10}}};
    std::vector<std::unique_ptr<TDX7_Xfile>> models;
    long triangles = 0;
    for (size_t i = 0; i < sheets.size(); ++i) {
        const auto [columns, rows] = sheets[i];
        const std::string name = "Obje/Sheet" + std::to_string(i) + ".x";
        WriteText(name, SheetModel(columns, rows, i % 2 == 0 ? "Obje/Stripes.bmp" : ""));
        models.push_back(std::make_unique<TDX7_Xfile>());
        models.back()->LoadFile(name);
    }

    TGLEngine engine;
    engine.InitDevice(nullptr, 0, ViewWidth, ViewHeight);
    if (!engine.HasDevice()) {
        state.SkipWithError("no OpenGL device (run under Xvfb)");
        return;
    }
    engine.SetupScene();
    engine.GetViewMat().XRota(56.0f);
    engine.GetViewMat().Move(0.0f, 20.0f, -15.0f);
    engine.SetProjection(0.9f, 9.0f, 36.0f, 0.8f);
    engine.ApplyView();
    engine.SetColorKey("Obje/Stripes.bmp", 0);

    std::vector<std::pair<TDX7_Xfile*, TOneMat>> draws;
    for (int i = 0; i < 300; ++i) {
        const int cell = i % (17 * 16);
        TOneMat world;
        world.YRota(static_cast<float>(i * 37 % 360));
        world.Move(2.0f * static_cast<float>(cell % 17 - 8), i < 17 * 16 ? 0.0f : 1.0f,
                   2.0f * static_cast<float>(cell / 17 - 6));
        const size_t kind = static_cast<size_t>(i) % sheets.size();
        triangles += 2L * sheets[kind][0] * sheets[kind][1];
        draws.emplace_back(models[kind].get(), world);
    }

    for (auto _ : state) {
        engine.BeginFrame();
        for (auto& [model, world] : draws) {
            engine.Draw(*model, world);
        }
        engine.EndFrame();
        benchmark::DoNotOptimize(engine.FrameImage().constBits());
    }
    state.counters["triangles"] = static_cast<double>(triangles);
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(DrawFrameOf300Models)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// Reading and parsing a text model of 5,000 triangles (a 50 x 50 sheet).
void LoadTextModelOf5000Triangles(benchmark::State& state) {
    TBenchFolder folder;
    const TScopedInstance<CD3DTextureManager> textures;
    const std::string text = SheetModel(50, 50, "Obje/Stripes.bmp");
    WriteText("Obje/Big.x", text);
    WriteTexture("Obje/Stripes.bmp");
    for (auto _ : state) {
        TDX7_Xfile model;
        benchmark::DoNotOptimize(model.LoadFile("Obje/Big.x"));
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(LoadTextModelOf5000Triangles)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    // What Google Benchmark left: "--game DIR".
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--game") {
            SetGameFolder(argv[i + 1]);
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
