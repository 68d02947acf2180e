#pragma once

#include "platform/SingleInstance.h"
#include "village/Talkview.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class IActiveMap;
class IAutomapCanvas;

// What the engine is started on: the 3D view of the game window.
struct TViewParams {
    // The platform's handle of the view (the QWidget* of the view on Qt).
    void* window = nullptr;
    std::uint8_t fullScreen = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct TWindowPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TWindowPoint&) const = default;
};

struct TViewSize {
    int width = 0;
    int height = 0;
    bool operator==(const TViewSize&) const = default;
};

// Where a child window of `size` stands on the main window: across its
// middle, and a little above its middle when it fits.
TWindowPoint PlaceOnMainWindow(TViewSize mainWindow, TViewSize size);

// The value labels the status view writes: the heroine's in "プロパティ";
// the caption and labels of "敵のプロパティ" for the enemy or item looked at,
// and the two numbers over the halves of its comparison picture.
enum class TStatusLabel : std::uint8_t {
    HeroHP,
    HeroMaxHP,
    HeroAttack,
    HeroDefence,
    HeroLevel,
    HeroNext,
    LookedCaption,
    LookedHPCaption,
    LookedHP,
    LookedMaxHP,
    LookedAttack,
    LookedDefence,
    AttackMargin,
    DefenceMargin,
};
inline constexpr int StatusLabelCount = 14;

// The comparison picture of the thing looked at, on black: pictures of the
// comparison list (0 to 5) in its left and right halves; -1 leaves a half
// black.
struct TComparisonPicture {
    int left = -1;
    int right = -1;
    bool operator==(const TComparisonPicture&) const = default;
};

// The game window as game code sees it: everything the game shows the player
// in the village or a dungeon goes through here, the status view's labels,
// remarks and notices and the talks too. A program-wide single object made by
// the dungeon operator; the Qt proxy implements it, and tests and the
// simulator bring their own.
class IGameWindow : public TSingleInstance<IGameWindow>, public ITalkView {
public:
    ~IGameWindow() override = default;

    // The map the window's commands go to; creates the window if there is none.
    virtual void AttachMap(IActiveMap& map) = 0;
    virtual void SetCaption(const std::string& sjisText) = 0;
    // Closes the window if there is one and answers whether there was.
    virtual bool CloseWindow() = 0;
    virtual bool HasWindow() const = 0;
    // The 3D view, for starting the engine on it.
    virtual TViewParams ViewParams() const = 0;
    // Shows or hides the automap, moves the heroine's values beside or above
    // the command buttons and centres the window on the main window.
    virtual void ArrangeLayout(bool withAutomap) = 0;
    // The automap picture with its tiles; it draws nothing while there is no
    // window, and lives as long as this object.
    virtual IAutomapCanvas& AutomapTarget() = 0;

    // The notices over the 3D view while the floor answers a turn, shown with
    // their text or hidden; the new level's line, which remarks share.
    virtual void ShowLevelUp(bool on) = 0;
    virtual void ShowCollapsed(bool on) = 0;
    virtual void ShowRecovered(bool on) = 0;
    virtual void ShowSwordBroken(bool on) = 0;
    virtual void ShowLevelReached(int level, bool on) = 0;
    // The empty text hides the line.
    virtual void ShowRemark(const std::string& sjisText) = 0;
    // Nothing is written while there is no window.
    virtual void SetStatusText(TStatusLabel label, const std::string& sjisText) = 0;
    // None hides the picture.
    virtual void ShowComparison(const std::optional<TComparisonPicture>& picture) = 0;

    virtual void SetFastMode(bool on) = 0;
    virtual bool FastMode() const = 0;

    // Cursors of the 3D view by the cursor table's numbers. The view cursor
    // as it is; a move cursor in the fast shape when the mode the button
    // would walk in is fast (the left button walks in the fast mode as set,
    // any other in the other one), shown at once; an arrow cursor in the
    // fast shape in fast mode.
    virtual void SetViewCursor(int index) = 0;
    virtual void SetMoveCursor(int index, bool isLeft) = 0;
    virtual void SetArrowCursor(int index) = 0;
    // None while there is no window.
    virtual std::optional<TViewSize> ViewSize() const = 0;
    // In the 3D view's client coordinates.
    virtual TWindowPoint PointerInView() const = 0;
    // From the window's client area to the screen.
    virtual TWindowPoint ClientToScreen(TWindowPoint point) const = 0;

    // The commands of the window's keys and buttons that the pointer over the
    // 3D view gives too. A walk, or a dash when the effective mode is fast
    // (the fast mode, inverted unless notCtrl).
    virtual void KeyDirection(std::uint8_t dir, bool notCtrl) = 0;
    // The next talk line during a talk, else the heroine's action.
    virtual void ActionCommand() = 0;
    // The equipment screen.
    virtual void ItemCommand() = 0;
    virtual void StopCommand() = 0;
};
