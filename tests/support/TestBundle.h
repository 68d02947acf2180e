#pragma once

#include "actors/Equipscreenbase.h"
#include "platform/GameError.h"
#include "platform/InlineWorkerThread.h"
#include "platform/TickClock.h"
#include "shell/Entrancescreen.h"
#include "shell/Gamewindowbase.h"
#include "shell/Mainwindow.h"
#include "shell/PlatformBundle.h"
#include "support/RecordingMessages.h"
#include "support/ScriptedSaveForm.h"
#include "support/TileCanvas.h"
#include "village/Entrancechoice.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TNullEngine;

// The game window without a window: it records what the game showed and
// takes the window's inputs as the real one does.
class TFakeGameWindow final : public TGameWindowBase {
public:
    explicit TFakeGameWindow(TDungOperator& owner) : TGameWindowBase(owner) {}

    void SetCaption(const std::string& sjisText) override { caption = sjisText; }
    bool CloseWindow() override {
        const bool was = open;
        open = false;
        return was;
    }
    bool HasWindow() const override { return open; }
    void SetStatusText(TStatusLabel label, const std::string& sjisText) override {
        if (open) {
            labels[label] = sjisText;
        }
    }
    void ShowComparison(const std::optional<TComparisonPicture>& picture) override {
        if (open) {
            comparison = picture;
        }
    }
    TViewParams ViewParams() const override { return {nullptr, 0, 491, 504}; }
    void ArrangeLayout(bool withAutomap) override { automapShown = withAutomap; }
    IAutomapCanvas& AutomapTarget() override {
        if (failNextAutomapTarget) {
            // A failure late in entering a dungeon, when the loop runs again.
            failNextAutomapTarget = false;
            throw TGameError("automap picture lost");
        }
        return automapPicture;
    }
    void ShowTalk(const std::string& sjisText, bool isLast) override {
        talk = sjisText;
        talkShown = true;
        continueMarker = !isLast;
    }
    void ShowChoices(const std::vector<std::string>& sjisTexts) override {
        choices = sjisTexts;
        choicesShown = true;
    }
    std::optional<TViewSize> ViewSize() const override {
        return open ? std::optional<TViewSize>(TViewSize{491, 504}) : std::nullopt;
    }
    TWindowPoint PointerInView() const override { return pointer; }
    TWindowPoint ClientToScreen(TWindowPoint point) const override {
        return {point.x + 100, point.y + 50};
    }

    // What the status view wrote, by label; the comparison picture, none
    // while hidden.
    std::map<TStatusLabel, std::string> labels;
    std::optional<TComparisonPicture> comparison;
    // What the two panels over the 3D view show (the remarks in the second);
    // none while hidden.
    std::optional<TNoticeLine> notice;
    std::optional<TNoticeLine> levelLine;
    std::string caption;
    std::string talk;
    std::vector<std::string> choices;
    bool open = false;
    bool automapShown = false;
    TTileCanvas automapPicture;
    bool failNextAutomapTarget = false;
    bool talkShown = false;
    bool continueMarker = false;
    bool choicesShown = false;
    bool fastModeShown = false;
    int cursor = 0;
    TWindowPoint pointer;

protected:
    void OpenWindow() override { open = true; }
    bool TalkShown() const override { return talkShown; }
    void HideTalk() override { talkShown = false; }
    bool ChoicesShown() const override { return choicesShown; }
    void HideChoices() override { choicesShown = false; }
    void ShowFastMode(bool on) override { fastModeShown = on; }
    void ShowViewCursor(int index) override { cursor = index; }
    void ShowNoticePanel(const TNoticeLine* line) override { Keep(notice, line); }
    void ShowLevelPanel(const TNoticeLine* line) override { Keep(levelLine, line); }

private:
    static void Keep(std::optional<TNoticeLine>& shown, const TNoticeLine* line) {
        shown = line ? std::optional<TNoticeLine>(*line) : std::nullopt;
    }
};

// The equipment screen without a window: it keeps what the screen shows.
class TFakeEquipScreen final : public TEquipScreenBase {
public:
    using TEquipScreenBase::TEquipScreenBase;

    bool IsShown() const override { return shown; }

    bool shown = false;
    TWindowPoint at;
    TEquipContents contents;
    TEquipDifferences differences;
    TUnitePanel panel;

protected:
    void OpenDialog(int x, int y) override {
        shown = true;
        at = {x, y};
    }
    void CloseDialog() override { shown = false; }
    void ShowContents(const TEquipContents& shownContents) override { contents = shownContents; }
    void ShowDifferences(const TEquipDifferences& shownDifferences) override {
        differences = shownDifferences;
    }
    void ShowUnitePanel(const TUnitePanel& shownPanel) override { panel = shownPanel; }
};

// The entrance screen without a window: it keeps what it was opened with.
class TFakeEntranceScreen final : public TEntranceScreenBase {
public:
    using TEntranceScreenBase::TEntranceScreenBase;

    bool IsOpen() const override { return open; }

    std::optional<TEntranceChoice> choice;
    bool open = false;
    int opened = 0;

protected:
    void OpenScreen(TEntranceChoice offered) override {
        choice.emplace(std::move(offered));
        open = true;
        ++opened;
    }
    void ForgetScreen() override { open = false; }
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
    TFakeEntranceScreen* entranceScreen = nullptr;
    TFakeEquipScreen* equipScreen = nullptr;
    TScriptedSaveForm* saveForm = nullptr;
    // Answers given to the seam once it is made.
    std::deque<int> answers;
};
