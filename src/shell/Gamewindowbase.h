#pragma once

#include "shell/Gamekeys.h"
#include "shell/Gamewindow.h"

#include <bitset>
#include <cstdint>
#include <string>

class IActiveMap;
class TDungOperator;

// A line over the 3D view: a notice or a remark, and its colour.
struct TNoticeLine {
    std::string sjisText;
    // 0xRRGGBB
    std::uint32_t colour = 0;
    bool operator==(const TNoticeLine&) const = default;
};

// Where ArrangeLayout puts things: the heroine's values beside the command
// buttons when the automap shows, above them otherwise; the window as wide
// as that needs, centred on the main window and a little above its middle.
struct TGameWindowLayout {
    TWindowPoint heroValues;
    int outerWidth = 0;
    TWindowPoint windowAt;
};
TGameWindowLayout ArrangedLayout(bool withAutomap, TViewSize mainWindow, int outerHeight);

// The game window's proxy apart from the window itself: the fast mode, the
// cursor rules and what every key and button of the window does. Commands
// go to the dungeon operator's active map, so a window left open after its
// map went orders nothing. The platform's proxy adds the window.
class TGameWindowBase : public IGameWindow {
public:
    explicit TGameWindowBase(TDungOperator& owner) : dungOperator(owner) {}

    // Opens the window if there is none and shows the fast mode.
    void AttachMap(IActiveMap& map) final;
    void ShowLevelUp(bool on) final;
    void ShowCollapsed(bool on) final;
    void ShowRecovered(bool on) final;
    void ShowSwordBroken(bool on) final;
    void ShowLevelReached(int level, bool on) final;
    void ShowRemark(const std::string& sjisText) final;
    void SetFastMode(bool on) final;
    bool FastMode() const final { return fastMode; }
    void SetViewCursor(int index) final;
    void SetMoveCursor(int index, bool isLeft) final;
    void SetArrowCursor(int index) final;
    void KeyDirection(std::uint8_t dir, bool notCtrl) final;
    void ActionCommand() final;
    void ItemCommand() final;
    void StopCommand() final;

    // The window's inputs. A move button with the left pointer button walks
    // in the fast mode as set, with any other in the other one.
    void MoveButtonPressed(std::uint8_t dir, bool leftButton);
    void SaveCommand();
    void LoadCommand();
    // Turns the fast mode over.
    void FastModeCommand();
    // The talk's continue marker.
    void ContinueCommand();
    void ChoiceClicked(int index);
    // "クリア": nothing is looked at any more.
    void ClearCommand();
    void AutomapPressed(int x, int y);
    void ViewPressed(int x, int y, bool leftButton);
    void ViewMoved(int x, int y);
    void ViewReleased(int x, int y);
    // Keys as the window receives them; repeats need no telling apart.
    void KeyPressed(TGameKey key, bool ctrl);
    // A released key first re-issues a direction whose key is still held.
    void KeyReleased(TGameKey key, bool ctrl);
    // The window lost the keyboard: it will not hear of these keys' release.
    void ForgetHeldKeys() { heldKeys.reset(); }

protected:
    // The window's side: it exists after OpenWindow.
    virtual void OpenWindow() = 0;
    virtual bool TalkShown() const = 0;
    virtual void HideTalk() = 0;
    virtual bool ChoicesShown() const = 0;
    virtual void HideChoices() = 0;
    virtual void ShowFastMode(bool on) = 0;
    // The notice panel (level up, collapse, recovery, broken sword): the line
    // when shown, none to hide it.
    virtual void ShowNoticePanel(const TNoticeLine* line) = 0;
    // The panel of the new level, which remarks share.
    virtual void ShowLevelPanel(const TNoticeLine* line) = 0;
    virtual void ShowViewCursor(int index) = 0;

    TDungOperator& Operator() const { return dungOperator; }

private:
    void Notice(bool on, const char* utf8Text, std::uint32_t colour);
    // Hides the talk box and the choices once the talk is over.
    void AfterCommand();
    bool TalkFinished() const;
    void NextTalkLine();
    void ChangeViewCursor(int index);

    TDungOperator& dungOperator;
    bool fastMode = false;
    int viewCursor = 0;
    std::bitset<GameKeyCount> heldKeys;
};
