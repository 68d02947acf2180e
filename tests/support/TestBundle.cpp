#include "support/TestBundle.h"

#include "scene/Dx7factory.h"
#include "scene/NullEngine.h"

TPlatformBundle TTestPlatform::Bundle(std::uint32_t seed) {
    TPlatformBundle bundle;
    bundle.createGraphicsFactory = []() -> TDX7Factory& {
        return TDX7Factory::CreateInstance(std::make_unique<TNullGrph>(),
                                           [] { return std::make_unique<TNullEngine>(); });
    };
    bundle.makeWorkerThread = TInlineWorkerThread::Factory(thread);
    bundle.clock = clock;
    bundle.makeMessageSeam = [this] {
        auto made = std::make_unique<TScriptedSeam>();
        made->answers = answers;
        seam = made.get();
        return made;
    };
    bundle.makeGameWindow = [this](TDungOperator& dungOperator) {
        auto made = std::make_unique<TFakeGameWindow>(dungOperator);
        gameWindow = made.get();
        return made;
    };
    bundle.makeEquipScreen = [this](THero& hero) {
        auto made = std::make_unique<TFakeEquipScreen>(hero);
        equipScreen = made.get();
        return made;
    };
    bundle.makeEntranceScreen = [this](TDungOperator& dungOperator) {
        auto made = std::make_unique<TFakeEntranceScreen>(dungOperator);
        entranceScreen = made.get();
        return made;
    };
    bundle.makeSaveForm = [this](const std::filesystem::path& programFolder) {
        auto made = std::make_unique<TScriptedSaveForm>(programFolder);
        saveForm = made.get();
        return made;
    };
    bundle.randomSeed = seed;
    return bundle;
}
