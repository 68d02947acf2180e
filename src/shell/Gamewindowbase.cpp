#include "shell/Gamewindowbase.h"

#include "activemap/Activemap.h"
#include "platform/SjisText.h"
#include "save/Save.h"
#include "shell/Dungoperator.h"
#include "shell/Statusview.h"
#include "village/Talkoperator.h"

namespace {

// The fast shape of a cursor is the normal one's number plus this.
constexpr int FastCursorOffset = 8;

constexpr std::uint32_t Blue = 0x0000FF;
constexpr std::uint32_t Red = 0xFF0000;
constexpr std::uint32_t Aqua = 0x00FFFF;
constexpr std::uint32_t Yellow = 0xFFFF00;
constexpr std::uint32_t Green = 0x008000;

bool StopsOnRelease(TGameKey key) {
    return key == TGameKey::Space || (DirectionOfKey(key) != DW_None);
}

} // namespace

TWindowPoint PlaceOnMainWindow(TViewSize mainWindow, TViewSize size) {
    TWindowPoint at{mainWindow.width / 2 - size.width / 2, mainWindow.height / 2 - size.height / 2};
    if (at.y > 0) {
        at.y = at.y / 3 * 2;
    }
    return at;
}

TGameWindowLayout ArrangedLayout(bool withAutomap, TViewSize mainWindow, int outerHeight) {
    TGameWindowLayout layout;
    layout.heroValues = withAutomap ? TWindowPoint{650, 262} : TWindowPoint{502, 109};
    layout.outerWidth = layout.heroValues.x + 155;
    layout.windowAt = PlaceOnMainWindow(mainWindow, {layout.outerWidth, outerHeight});
    return layout;
}

void TGameWindowBase::AttachMap(IActiveMap&) {
    if (!HasWindow()) {
        OpenWindow();
        // A new view starts with the platform's arrow.
        viewCursor = 0;
    }
    ShowFastMode(fastMode);
}

void TGameWindowBase::Notice(bool on, const char* utf8Text, std::uint32_t colour) {
    if (!HasWindow()) {
        return;
    }
    const TNoticeLine line{Sjis(utf8Text), colour};
    ShowNoticePanel(on ? &line : nullptr);
}

void TGameWindowBase::ShowLevelUp(bool on) {
    Notice(on, "レベルアップ", Blue);
}

void TGameWindowBase::ShowCollapsed(bool on) {
    Notice(on, "力尽きた", Red);
}

void TGameWindowBase::ShowRecovered(bool on) {
    Notice(on, "回復", Aqua);
}

void TGameWindowBase::ShowSwordBroken(bool on) {
    Notice(on, "剣が壊れた", Red);
}

void TGameWindowBase::ShowLevelReached(int level, bool on) {
    if (!HasWindow()) {
        return;
    }
    const TNoticeLine line{Sjis("レベル ") + std::to_string(level) + Sjis(" になった"), Yellow};
    ShowLevelPanel(on ? &line : nullptr);
}

void TGameWindowBase::ShowRemark(const std::string& sjisText) {
    if (!HasWindow()) {
        return;
    }
    const TNoticeLine line{sjisText, Green};
    ShowLevelPanel(sjisText.empty() ? nullptr : &line);
}

void TGameWindowBase::SetFastMode(bool on) {
    fastMode = on;
    if (HasWindow()) {
        ShowFastMode(fastMode);
    }
}

void TGameWindowBase::ChangeViewCursor(int index) {
    if (index != viewCursor) {
        viewCursor = index;
        if (HasWindow()) {
            ShowViewCursor(index);
        }
    }
}

void TGameWindowBase::SetViewCursor(int index) {
    ChangeViewCursor(index);
}

void TGameWindowBase::SetMoveCursor(int index, bool isLeft) {
    const bool fast = isLeft ? fastMode : !fastMode;
    ChangeViewCursor(fast ? index + FastCursorOffset : index);
}

void TGameWindowBase::SetArrowCursor(int index) {
    ChangeViewCursor(fastMode ? index + FastCursorOffset : index);
}

void TGameWindowBase::KeyDirection(std::uint8_t dir, bool notCtrl) {
    IActiveMap* map = dungOperator.ActiveMap();
    if (!map) {
        return;
    }
    const bool fast = notCtrl ? fastMode : !fastMode;
    if (fast) {
        map->OrderDash(dir);
    } else {
        map->OrderMove(dir);
    }
    AfterCommand();
}

void TGameWindowBase::MoveButtonPressed(std::uint8_t dir, bool leftButton) {
    KeyDirection(dir, leftButton);
}

void TGameWindowBase::ActionCommand() {
    IActiveMap* map = dungOperator.ActiveMap();
    if (!map) {
        return;
    }
    if (map->HeroStateId() == das_Talk) {
        NextTalkLine();
        return;
    }
    map->OrderAction();
    AfterCommand();
}

void TGameWindowBase::StopCommand() {
    if (IActiveMap* map = dungOperator.ActiveMap()) {
        map->OrderStop();
    }
}

void TGameWindowBase::ItemCommand() {
    dungOperator.OpenEquipment();
    AfterCommand();
}

void TGameWindowBase::SaveCommand() {
    if (dungOperator.CanSave()) {
        TSave::Instance().Save();
    }
}

void TGameWindowBase::LoadCommand() {
    if (dungOperator.CanLoad()) {
        TSave::Instance().Load();
    }
}

void TGameWindowBase::FastModeCommand() {
    SetFastMode(!fastMode);
}

void TGameWindowBase::ContinueCommand() {
    NextTalkLine();
}

void TGameWindowBase::ChoiceClicked(int index) {
    // Hidden first: the chosen talk may end in choices of its own at once.
    HideChoices();
    if (index >= 0) {
        TTalkOperator::Instance().Choose(static_cast<std::size_t>(index));
    }
}

void TGameWindowBase::ClearCommand() {
    dungOperator.StatusView().ShowEnemy(nullptr);
}

void TGameWindowBase::AutomapPressed(int x, int y) {
    dungOperator.ShowBlockAt(x, y);
}

void TGameWindowBase::ViewPressed(int x, int y, bool leftButton) {
    dungOperator.PointerPressed(x, y, leftButton);
}

void TGameWindowBase::ViewMoved(int x, int y) {
    dungOperator.PointerMoved(x, y);
}

void TGameWindowBase::ViewReleased(int x, int y) {
    dungOperator.PointerReleased(x, y);
}

void TGameWindowBase::NextTalkLine() {
    TTalkOperator::Instance().NextLine();
}

bool TGameWindowBase::TalkFinished() const {
    return TTalkOperator::Instance().IsFinished();
}

void TGameWindowBase::AfterCommand() {
    if (TalkShown() && TalkFinished()) {
        HideTalk();
    }
    if (ChoicesShown() && TalkFinished()) {
        HideChoices();
    }
}

void TGameWindowBase::KeyPressed(TGameKey key, bool ctrl) {
    heldKeys.set(static_cast<std::size_t>(key));
    const std::uint8_t dir = DirectionOfKey(key);
    if (dir != DW_None) {
        KeyDirection(dir, !ctrl);
    } else if (key == TGameKey::Space) {
        ActionCommand();
    }
}

void TGameWindowBase::KeyReleased(TGameKey key, bool ctrl) {
    heldKeys.reset(static_cast<std::size_t>(key));
    for (std::uint8_t dir = 0; dir < DirectionKeys.size(); ++dir) {
        for (const TGameKey held : DirectionKeys[dir]) {
            if (heldKeys.test(static_cast<std::size_t>(held))) {
                KeyDirection(dir, !ctrl);
                return;
            }
        }
    }
    if (StopsOnRelease(key)) {
        StopCommand();
        return;
    }
    switch (key) {
    case TGameKey::A:
        ItemCommand();
        break;
    case TGameKey::Q:
        SaveCommand();
        break;
    case TGameKey::W:
        LoadCommand();
        break;
    case TGameKey::Z:
        FastModeCommand();
        break;
    case TGameKey::R:
        dungOperator.HelpKey(0);
        break;
    case TGameKey::F1:
        dungOperator.HelpKey(1);
        break;
    default:
        break;
    }
}
