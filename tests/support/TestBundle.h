#pragma once

#include "platform/InlineWorkerThread.h"
#include "platform/TickClock.h"
#include "shell/Gamewindow.h"
#include "shell/Mainwindow.h"
#include "shell/PlatformBundle.h"
#include "support/RecordingHero.h"
#include "support/RecordingMessages.h"

#include <cstdint>
#include <memory>
#include <string>

class TNullEngine;

// The game window without a window: it records what the game showed.
class TFakeGameWindow final : public IGameWindow {
public:
    void AttachMap(IActiveMap& newMap) override {
        map = &newMap;
        open = true;
    }
    void SetCaption(const std::string& sjisText) override { caption = sjisText; }
    bool CloseWindow() override {
        const bool was = open;
        open = false;
        return was;
    }
    bool HasWindow() const override { return open; }
    void ShowHero(THero& hero) override { heroView.ShowHero(hero); }
    void UpdateHeroPower(THero& hero) override { heroView.UpdateHeroPower(hero); }
    void UpdateNext(THero& hero) override { heroView.UpdateNext(hero); }
    void UpdateComparison() override { heroView.UpdateComparison(); }
    void ForgetItem(const TItemActer& item) override { heroView.ForgetItem(item); }
    void ShowRemark(const std::string& sjisText) override { heroView.ShowRemark(sjisText); }

    // What the heroine showed.
    TRecordingHeroView heroView;
    IActiveMap* map = nullptr;
    std::string caption;
    bool open = false;
};

// The main window without a window: it records the controller's calls.
class TFakeMainWindow final : public IMainWindow {
public:
    void EnableRetry(bool flag) override { retryEnabled = flag; }
    void CreateDialogs() override { calls += "dialogs "; }
    void ShowAbout() override { calls += "about "; }
    void ShowHelp(const std::string&) override { calls += "help "; }
    bool TitleOpen() const override { return titleOpen; }
    void OpenTitle(TApp&) override { titleOpen = true; }
    void CloseTitle() override { titleOpen = false; }
    bool StoryOpen() const override { return storyOpen; }
    void OpenProlog(TApp&) override { storyOpen = true; }
    void OpenEnding(TApp&) override { storyOpen = true; }

    std::string calls;
    bool retryEnabled = true;
    bool titleOpen = false;
    bool storyOpen = false;
};

// A platform for tests: no display, null graphics, the game loop run by
// hand on a virtual clock, questions answered from a script. It keeps hold of
// what the bundle made so tests can drive and inspect it; it must outlive
// the application made from its bundle.
class TTestPlatform {
public:
    TPlatformBundle Bundle(std::uint32_t seed = 1);

    std::shared_ptr<TVirtualTickClock> clock = std::make_shared<TVirtualTickClock>();
    TInlineWorkerThread* thread = nullptr;
    TScriptedSeam* seam = nullptr;
    TFakeGameWindow* gameWindow = nullptr;
    // Answers given to the seam once it is made.
    std::deque<int> answers;
};
