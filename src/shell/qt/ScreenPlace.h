#pragma once

class QWidget;

// Moves a window to the game's centring: across the middle of its screen and
// a little above its middle.
void PlaceCentred(QWidget& window);
