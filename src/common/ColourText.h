// Colour texts of the settings files, group records and views: the name of the colour-name
// table when the value has one, otherwise "$" and eight upper-case hexadecimal digits 00BBGGRR.
#pragma once

#include "common/Colour.h"

#include <QColor>
#include <QString>

// The name of `colour` ("clAqua") or "$00030201".
QString ColorToText(TColor colour);

// Reads a colour name of the table (any letter case) or an integer in decimal or "$"/"0x"
// hexadecimal. Throws EVzError "'%s' is not a valid integer value" for anything else.
TColor TextToColor(const QString& text);

// The colour of a table name, when the name is one (any letter case).
bool ColourFromName(const QString& name, TColor& colour);

// Reads an integer as the settings files write it: decimal (with an optional sign) or "$"/"0x"
// hexadecimal, surrounding blanks ignored. False when the text is no such number.
bool ReadIntegerText(const QString& text, qint64& value);

// The colour to paint with: plain colours as they are, system colours (high byte 0xFF) by the
// desktop's classic values so that rendering does not depend on the desktop theme; clNone is
// fully transparent.
QColor ToQColor(TColor colour);
// A painted colour as a stored one (alpha ignored).
TColor FromQColor(const QColor& colour);

// Named system colours used by the display.
constexpr TColor clBtnShadow = 0xFF000010;
