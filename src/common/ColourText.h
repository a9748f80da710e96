// Colour texts of group records, settings and event formats ("clRed", "$00030201") and the
// conversion of stored colours to colours that can be painted.
#pragma once

#include "common/Colour.h"

#include <QColor>
#include <QString>

// The colour's name when it has one ("clAqua", "clBtnFace"), else "$" and eight upper-case
// hexadecimal digits in the order 00BBGGRR.
QString ColorToText(TColor colour);

// A colour name in any letter case, or an integer in decimal or "$"-hexadecimal. Throws EVzError
// "'%s' is not a valid integer value" for any other text.
TColor TextToColor(const QString& text);

// The colour to paint with: plain colours as they are, system colours (high byte 0xFF) by the
// desktop's classic values so that rendering does not depend on the desktop theme; clNone is
// fully transparent.
QColor ToQColor(TColor colour);
// A painted colour as a stored one (alpha ignored).
TColor FromQColor(const QColor& colour);

// Named system colours used by the display.
constexpr TColor clBtnShadow = 0xFF000010;
