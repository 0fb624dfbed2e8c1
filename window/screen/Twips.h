#pragma once

#include <QWidget>

namespace esoa {

// Positions and sizes are given in twips (1,440 to the inch): converted with the screen's logical
// DPI, so 15 twips make a pixel at 96 DPI.
inline int TwipsToPx(int twips, const QWidget* widget) {
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return (twips * dpi + 720) / 1440;
}
inline int PxToTwips(int px, const QWidget* widget) {
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return dpi > 0 ? (px * 1440 + dpi / 2) / dpi : px * 15;
}

}  // namespace esoa
