#pragma once

#include <QColor>

namespace rp {

// The program passes colours as 0xBBGGRR numbers (red in the low byte).
inline QColor colorFromBgr(int bgr) {
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

inline int bgrFromColor(const QColor& color) {
    return (color.blue() << 16) | (color.green() << 8) | color.red();
}

// 0xBBGGRR from red, green and blue.
constexpr int bgrOf(int red, int green, int blue) {
    return (blue << 16) | (green << 8) | red;
}

} // namespace rp
