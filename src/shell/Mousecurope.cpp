#include "shell/Mousecurope.h"

#include "activemap/Activemapproxy.h"
#include "actors/Dastate.h"
#include "shell/Gamewindow.h"
#include "shell/Statusview.h"
#include "world/Base3dutil.h"

#include <cmath>
#include <numbers>

namespace {

// trunc(dx × tan(a)), worked out as dx / cos(a) × sin(a): the sector edges
// fall on exactly these whole numbers.
int EdgeAt(int dx, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    return static_cast<int>(std::trunc(dx / std::cos(radians) * std::sin(radians)));
}

} // namespace

std::uint8_t PointerDirection(int dx, int dy) {
    if (dx > 0) {
        if (dy < EdgeAt(dx, -67.5)) {
            return DW_South;
        }
        if (dy < EdgeAt(dx, -22.5)) {
            return DW_SouthEast;
        }
        if (dy < EdgeAt(dx, 22.5)) {
            return DW_East;
        }
        if (dy < EdgeAt(dx, 67.5)) {
            return DW_NorthEast;
        }
        return DW_North;
    }
    if (dy < EdgeAt(dx, -112.5)) {
        return DW_South;
    }
    if (dy < EdgeAt(dx, -157.5)) {
        return DW_SouthWest;
    }
    if (dy < EdgeAt(dx, -202.5)) {
        return DW_West;
    }
    if (dy < EdgeAt(dx, -247.5)) {
        return DW_NorthWest;
    }
    return DW_North;
}

int CursorOfDirection(std::uint8_t dir) {
    return ClockwiseIndexOfWay(dir) + 1;
}

std::uint8_t DirectionOfCursor(int cursor) {
    return WayOfClockwiseIndex(cursor - 1);
}

TMouseCurOpe::TMouseCurOpe(IGameWindow& gameWindow, TStatusView& statusView)
    : window(gameWindow), status(statusView) {}

void TMouseCurOpe::EnablePicking(bool on) {
    pickEnabled = on;
    if (viewWidth == 0) {
        if (const auto size = window.ViewSize()) {
            viewWidth = size->width;
            centreX = viewWidth / 2;
            centreY = HeroScreenY;
        }
    }
}

bool TMouseCurOpe::OverHeroFigure(int x, int y) const {
    return FigureLeft < x && x < FigureRight && FigureTop < y && y < FigureBottom;
}

int TMouseCurOpe::ActionCursorToward(std::uint8_t dir) {
    switch (TActiveMapProxy::Instance().FrontAction(dir)) {
    case dac_Attack:
        return AttackCursor;
    case dac_Press:
    case dac_Unlock:
    case dac_OpenBox:
        return MoveCursor;
    case dac_Talk:
        return TalkCursor;
    default:
        return 0;
    }
}

void TMouseCurOpe::Moved(int x, int y, const IMatrix& viewProj) {
    if (held == 0) {
        if (OverHeroFigure(x, y)) {
            window.SetViewCursor(ActionCursor);
            cursor = ActionCursor;
            return;
        }
        if (pickEnabled && status.ThingAtScreen(viewProj, x, y)) {
            window.SetViewCursor(WatchCursor);
            cursor = WatchCursor;
            return;
        }
    }
    const int previous = cursor;
    cursor = CursorOfDirection(PointerDirection(x - centreX, centreY - y));
    if (held != 0) {
        if (cursor == previous) {
            window.SetMoveCursor(cursor, heldLeft);
        } else {
            // Dragged into another sector: the walk turns without a release.
            Pressed(x, y, viewProj, heldLeft);
        }
        return;
    }
    const int action = ActionCursorToward(DirectionOfCursor(cursor));
    if (action == 0) {
        window.SetArrowCursor(cursor);
    } else {
        // A press acts on what she faces.
        window.SetViewCursor(action);
        cursor = ActionCursor;
    }
}

void TMouseCurOpe::Pressed(int x, int y, const IMatrix& viewProj, bool isLeft) {
    if (cursor >= 1 && cursor <= 8) {
        window.KeyDirection(DirectionOfCursor(cursor), isLeft);
        const bool dash = isLeft ? window.FastMode() : !window.FastMode();
        held = dash ? 2 : 1;
        heldLeft = isLeft;
        window.SetMoveCursor(cursor, isLeft);
    } else if (cursor == WatchCursor) {
        status.ShowBlockContentsAt(viewProj, x, y);
    } else if (cursor == ActionCursor) {
        if (isLeft) {
            window.ActionCommand();
        } else {
            window.ItemCommand();
        }
    }
}

void TMouseCurOpe::Released(int x, int y, const IMatrix& viewProj) {
    window.StopCommand();
    held = 0;
    Moved(x, y, viewProj);
}
