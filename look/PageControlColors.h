#pragma once
// The seven colours of a page-control drawer, settings 1 to 7.
#include <QColor>

#include <array>

struct TPageControlColors {
    // 1 active tab, 2 inactive tab, 3 strip, 4 active text, 5 inactive text,
    // 6 inactive outline, 7 active outline
    std::array<QColor, 7> Setting{QColor(0xE0, 0xEE, 0xFE), QColor(0xCF, 0xD8, 0xDE),
                                  QColor(0x10, 0x69, 0x7B), QColor(0x00, 0x00, 0x00),
                                  QColor(0x00, 0x00, 0x80), QColor(0x10, 0x69, 0x7B),
                                  QColor(0x00, 0x00, 0x00)};

    const QColor &operator[](int setting) const { return Setting.at(setting - 1); }
    QColor &operator[](int setting) { return Setting.at(setting - 1); }
};
