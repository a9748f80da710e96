// A font as the settings files and group formats describe it: face, size in points, styles and
// colour.
#pragma once

#include "common/Colour.h"

#include <QFont>
#include <QString>

struct TFontDef {
    QString Name = QStringLiteral("Arial");
    int Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clBlack;

    QFont ToQFont() const {
        QFont f(Name);
        f.setPointSize(Size > 0 ? Size : 1);
        f.setBold(Bold);
        f.setItalic(Italic);
        f.setUnderline(Underline);
        f.setStrikeOut(StrikeOut);
        return f;
    }
    bool operator==(const TFontDef&) const = default;
};
