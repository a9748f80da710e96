// The font text of a group's "Format" memo: "\"MS Sans Serif\",8pt,Bold,clBlack" — the face in
// double quotes, the size in points with "pt", the set styles and the colour text.
#pragma once

#include "common/FontSpec.h"

#include <QString>

QString GroupFontToText(const TFontSpec& font);

// Reads the comma-separated items (an item may be quoted): face, size (its last two characters
// dropped), the style words in any letter case, and the colour as the last item. Throws EVzError
// when the size or the colour cannot be read.
TFontSpec TextToGroupFont(const QString& text);
