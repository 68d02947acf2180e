#include "shell/App.h"

#include "actors/Acterbodyimp.h"
#include "actors/Dungactfactory.h"
#include "actors/Herosbase.h"
#include "anim/Acterfactory.h"
#include "platform/GameFiles.h"
#include "platform/IniFile.h"
#include "platform/MessageSeam.h"
#include "platform/RandomSource.h"
#include "platform/SjisText.h"
#include "save/Save.h"
#include "save/Savedungeon.h"
#include "save/Savetown.h"
#include "scene/Dx7factory.h"
#include "scene/Objefactory.h"
#include "scene/Texturecontainer.h"
#include "shell/Dungoperator.h"
#include "shell/Mainwindow.h"
#include "world/Dungfactory.h"

namespace {

const std::string& ThreadSection() {
    static const std::string name = Sjis("スレッド");
    return name;
}
const std::string& LevelKey() {
    static const std::string name = Sjis("割り込みレベル");
    return name;
}
const std::string& SaveFormSection() {
    static const std::string name = Sjis("セーブフォーム");
    return name;
}
const std::string& PageKey() {
    static const std::string name = Sjis("ページ");
    return name;
}
const std::string& EntryKey() {
    static const std::string name = Sjis("インデクス");
    return name;
}

} // namespace

TApp::TApp(IMainWindow& mainWindowProxy, TPlatformBundle platformBundle, std::string settingsFile)
    : mainProxy(mainWindowProxy), platform(std::move(platformBundle)),
      settingsPath(std::move(settingsFile)) {
    ReadSettings();
    try {
        CreateProgramObjects();
    } catch (...) {
        // No destructor runs for a half-made TApp: let go of what was made.
        ReleaseProgramObjects();
        throw;
    }
}

TApp::~TApp() {
    WriteSettings();
    ReleaseProgramObjects();
}

void TApp::CreateProgramObjects() {
    IMessageSeam::AdoptInstance(platform.makeMessageSeam());
    TRandomSource::CreateInstance(platform.randomSeed);
    // Every model, texture and plan is read here, before the title: a missing
    // or broken data file stops the program instead of failing in play.
    TDX7Factory& factory3D = platform.createGraphicsFactory();
    CD3DTextureManager::CreateInstance();
    const TObjeFactory& objeFactory = TObjeFactory::CreateInstance(factory3D);
    const TActerFactory& acterFactory = TActerFactory::CreateInstance(objeFactory);
    const TDungActFactory& actFactory =
        TDungActFactory::CreateInstance(std::make_unique<TActerBodySource>(acterFactory));
    THerosBase& herosBase = THerosBase::CreateInstance(actFactory);
    dungOperator = std::make_unique<TDungOperator>(*this, herosBase, factory3D, platform);
    mainProxy.CreateDialogs();
    // Saves lie beside the settings file: both belong beside the executable.
    const std::filesystem::path programFolder = std::filesystem::path(settingsPath).parent_path();
    TSave& save = TSave::CreateInstance(
        *dungOperator, dungOperator->DungFactory().Stages(), dungOperator->DungFactory().Areas(),
        dungOperator->SeenSquares(), programFolder, platform.makeSaveForm(programFolder));
    save.Form().SetRemembered(savePage, saveEntry);
}

void TApp::ReleaseProgramObjects() {
    TSave::ReleaseInstance();
    dungOperator.reset();
    // Her body and items point into the acter factory and the item tables.
    THerosBase::ReleaseInstance();
    // The saved dungeon and village, which the actors pointed into.
    TSaveDungeon::ReleaseInstance();
    TSaveTown::ReleaseInstance();
    TDungActFactory::ReleaseInstance();
    // The graphics factory goes before the models it made: they belong to
    // the object factory; acters hold the object factory's models, and the
    // models the textures they name.
    TDX7Factory::ReleaseInstance();
    TActerFactory::ReleaseInstance();
    TObjeFactory::ReleaseInstance();
    CD3DTextureManager::ReleaseInstance();
    TRandomSource::ReleaseInstance();
    IMessageSeam::ReleaseInstance();
}

std::string TApp::SettingsPath() {
    return BesideExecutable("Tessarine.ini").Native().string();
}

void TApp::ReadSettings() {
    const TIniFile ini(settingsPath);
    threadLevel = ini.ReadInteger(ThreadSection(), LevelKey(), 1);
    savePage = ini.ReadInteger(SaveFormSection(), PageKey(), 1);
    saveEntry = ini.ReadInteger(SaveFormSection(), EntryKey(), -1);
}

int TApp::SavePage() const {
    return TSave::HasInstance() ? TSave::Instance().Form().RememberedPage() : savePage;
}

int TApp::SaveEntry() const {
    return TSave::HasInstance() ? TSave::Instance().Form().RememberedRow() : saveEntry;
}

void TApp::WriteSettings() const {
    TIniFile ini(settingsPath);
    ini.WriteInteger(ThreadSection(), LevelKey(), threadLevel);
    ini.WriteInteger(SaveFormSection(), PageKey(), SavePage());
    ini.WriteInteger(SaveFormSection(), EntryKey(), SaveEntry());
    ini.Save();
}

bool TApp::StoryPlaying() const {
    return mainProxy.StoryOpen();
}

void TApp::ShowTitle() {
    mainProxy.OpenTitle(*this);
    EnableRetry(false);
}

void TApp::StartCommand() {
    if (StoryPlaying() || !dungOperator->CanStart()) {
        return;
    }
    if (mainProxy.TitleOpen()) {
        mainProxy.CloseTitle();
        mainProxy.OpenProlog(*this);
        return;
    }
    if (MessageSeam().Ask(Sjis("ゲームを終了しますか？")) != AnswerYes) {
        return;
    }
    if (dungOperator->CloseGameWindow()) {
        ShowTitle();
    }
}

void TApp::SaveCommand() {
    if (StoryPlaying() || !dungOperator->CanSave()) {
        return;
    }
    TSave::Instance().Save();
}

void TApp::LoadCommand() {
    if (StoryPlaying() || !dungOperator->CanLoad()) {
        return;
    }
    if (TSave::Instance().Load() && mainProxy.TitleOpen()) {
        mainProxy.CloseTitle();
    }
}

void TApp::NewGame() {
    // The save manager's part of a new game; entering the village for a new
    // game forgets the seen squares.
    TSave::Instance().NewGame();
    dungOperator->EnterVillage(false);
}

void TApp::ShowEnding() {
    mainProxy.OpenEnding(*this);
    EnableRetry(false);
}

void TApp::EndingClosed() {
    ShowTitle();
}

void TApp::RetryCommand() {
    // There is only a dungeon to escape from: in the village the question
    // would offer to go where she already is.
    if (!dungOperator->CanSave() || dungOperator->Whereabouts() != THeroWhereabouts::Dungeon) {
        return;
    }
    if (MessageSeam().Ask(Sjis("脱出して村に戻りますか？")) == AnswerYes) {
        dungOperator->EscapeDungeon();
    }
}

void TApp::Help(int kind) {
    if (kind == 0) {
        RetryCommand();
    } else if (kind == 1) {
        mainProxy.ShowHelp(Sjis("Tessarine.hlp"));
    }
}

void TApp::SetThreadLevel(int level) {
    threadLevel = level;
    dungOperator->ApplyThreadLevel(level);
}

void TApp::EnableRetry(bool flag) {
    mainProxy.EnableRetry(flag);
}

void TApp::ShowAbout() {
    mainProxy.ShowAbout();
}
