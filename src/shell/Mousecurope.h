#pragma once

#include "platform/SingleInstance.h"

#include <cstdint>

class IGameWindow;
class IMatrix;
class TStatusView;

// Cursor numbers of the 3D view beyond the direction arrows (1 to 8, north
// first and clockwise; their fast shapes 8 higher).
inline constexpr int WatchCursor = 17;
inline constexpr int ActionCursor = 18;
inline constexpr int AttackCursor = 19;
inline constexpr int MoveCursor = 20;
inline constexpr int TalkCursor = 21;

// The direction of a point dx to the right of and dy above the heroine's place
// on the screen: eight sectors of 45 degrees, north upward, with their edges
// 22.5 degrees either side of the axes and the diagonals.
std::uint8_t PointerDirection(int dx, int dy);
// The arrow cursor of a direction, 1 to 8, and back.
int CursorOfDirection(std::uint8_t dir);
std::uint8_t DirectionOfCursor(int cursor);

// Steers the heroine with the pointer over the 3D view. The cursor shows
// where a press would send her, relative to her place on the screen; a held
// button walks or dashes her that way and follows the pointer until it is
// released. Over her figure a press acts (left button) or opens the
// equipment (others); over an enemy or an item it looks at it, once
// picking is allowed; when she faces something to act on, the cursor says
// what the action would do.
class TMouseCurOpe final : public TSingleInstance<TMouseCurOpe> {
public:
    // Where the heroine's figure lies on the screen: her place's row, and the
    // box around her figure.
    static constexpr int HeroScreenY = 203;
    static constexpr int FigureLeft = 230;
    static constexpr int FigureRight = 260;
    static constexpr int FigureTop = 175;
    static constexpr int FigureBottom = 228;

    // Both must outlive the handler.
    TMouseCurOpe(IGameWindow& gameWindow, TStatusView& statusView);

    // At every scene entry: whether enemies and items may be looked at. The
    // 3D view's size is read once, from the first window there is.
    void EnablePicking(bool on);
    // x, y in the 3D view's pixels; viewProj the engine's view and projection.
    void Moved(int x, int y, const IMatrix& viewProj);
    void Pressed(int x, int y, const IMatrix& viewProj, bool isLeft);
    void Released(int x, int y, const IMatrix& viewProj);

    int Cursor() const { return cursor; }
    // 0 no button held, 1 walking, 2 dashing.
    int Held() const { return held; }
    bool PickingEnabled() const { return pickEnabled; }

private:
    bool OverHeroFigure(int x, int y) const;
    // The cursor of the heroine's action toward `dir`, or 0 when she would
    // only walk.
    static int ActionCursorToward(std::uint8_t dir);

    IGameWindow& window;
    TStatusView& status;
    // 0 until the 3D view's size is known.
    int viewWidth = 0;
    int centreX = 0;
    int centreY = 0;
    int cursor = 0;
    int held = 0;
    bool heldLeft = false;
    bool pickEnabled = false;
};
