#include "SimBundle.h"

#include "actors/qt/Prx_formequip.h"
#include "core/SimSaveForm.h"
#include "platform/InlineWorkerThread.h"
#include "scene/Dx7factory.h"
#include "scene/Dx7grph.h"
#include "scene/NullEngine.h"
#include "scene/gl/Glfactory.h"
#include "shell/qt/Fm_mdimain.h"
#include "shell/qt/Px_formgame.h"
#include "village/qt/Px_formdungent.h"

TSimPlatform::TSimPlatform(bool drawFrames, std::uint32_t randomSeed, std::ostream& out)
    : draw(drawFrames), seed(randomSeed), messages(out) {}

TPlatformBundle TSimPlatform::Bundle(TPX_FormMDI& mainProxy) {
    TPlatformBundle bundle;
    bundle.createGraphicsFactory = [drawFrames = draw]() -> TDX7Factory& {
        if (drawFrames) {
            return CreateGLGraphicsFactory();
        }
        // The models are read all the same: a missing one shows as in the game.
        return TDX7Factory::CreateInstance(std::make_unique<TDX7_Xfile>(),
                                           [] { return std::make_unique<TNullEngine>(false); });
    };
    bundle.makeWorkerThread = TInlineWorkerThread::Factory(thread);
    bundle.clock = clock;
    bundle.makeMessageSeam = [this] { return std::make_unique<TSimSeam>(answers, messages); };
    bundle.makeGameWindow = [this, &mainProxy](TDungOperator& dungOperator) {
        auto made = std::make_unique<TPX_FormGame>(dungOperator, mainProxy);
        gameWindow = made.get();
        return made;
    };
    bundle.makeEquipScreen = [this, &mainProxy](THero& hero) {
        auto made =
            std::make_unique<TPrx_FormEquip>(hero, [&mainProxy] { return &mainProxy.Window(); });
        equipScreen = made.get();
        return made;
    };
    bundle.makeEntranceScreen = [this, &mainProxy](TDungOperator& dungOperator) {
        auto made = std::make_unique<TPX_FormDungEnt>(dungOperator, mainProxy);
        entrance = made.get();
        return made;
    };
    bundle.makeSaveForm = [this](const std::filesystem::path& programFolder) {
        return std::make_unique<TSimSaveForm>(programFolder, answers, messages);
    };
    bundle.makeIntervalTimer = timers.Factory();
    bundle.randomSeed = seed;
    return bundle;
}
