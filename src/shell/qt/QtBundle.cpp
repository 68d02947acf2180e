#include "shell/qt/QtBundle.h"

#include "actors/qt/Prx_formequip.h"
#include "platform/TickClock.h"
#include "platform/qt/QtIntervalTimer.h"
#include "platform/qt/QtMessageSeam.h"
#include "platform/qt/QtWorkerThread.h"
#include "save/qt/Px_formsave.h"
#include "scene/gl/Glfactory.h"
#include "shell/qt/Fm_mdimain.h"
#include "shell/qt/Fm_msgdialog.h"
#include "shell/qt/Px_formgame.h"
#include "shell/qt/Px_formmdi.h"
#include "village/qt/Px_formdungent.h"

#include <random>

TPlatformBundle MakeQtBundle(TPX_FormMDI& mainProxy) {
    TPlatformBundle bundle;
    bundle.createGraphicsFactory = []() -> TDX7Factory& { return CreateGLGraphicsFactory(); };
    bundle.makeWorkerThread = TQtWorkerThread::Factory();
    bundle.clock = std::make_shared<TRealTickClock>();
    bundle.makeMessageSeam = [&mainProxy] {
        return std::make_unique<TQtMessageSeam>([&mainProxy](const std::string& text) {
            return mainProxy.Window().MessageDialog().Ask(text);
        });
    };
    bundle.makeGameWindow = [&mainProxy](TDungOperator& dungOperator) {
        return std::make_unique<TPX_FormGame>(dungOperator, mainProxy);
    };
    bundle.makeEquipScreen = [&mainProxy](THero& hero) {
        return std::make_unique<TPrx_FormEquip>(hero, [&mainProxy] { return &mainProxy.Window(); });
    };
    bundle.makeEntranceScreen = [&mainProxy](TDungOperator& dungOperator) {
        return std::make_unique<TPX_FormDungEnt>(dungOperator, mainProxy);
    };
    bundle.makeSaveForm = [&mainProxy](const std::filesystem::path& programFolder) {
        return std::make_unique<TPX_FormSave>(programFolder, &mainProxy.Window());
    };
    bundle.makeIntervalTimer = TQtIntervalTimer::Factory();
    // Each game on the desktop plays differently; the simulator fixes the seed.
    bundle.randomSeed = std::random_device{}();
    return bundle;
}
