// Font texts. The settings files and views write a font as
//   "Arial", 12, [Bold], [clBlack]
// (face, size in points, styles joined by "|", colour text) and read it back by position.
// Group formats use a second form, a comma list:
//   "MS Sans Serif",8pt,Bold,clBlack
#pragma once

#include "common/FontDef.h"

#include <QString>

// The settings form. A comma cannot be read back inside the face name, so commas in it are
// dropped.
QString FontToText(const TFontDef& font);

// Reads the settings form into `font`. Throws EVzError when the size is not a number or the
// colour is neither a colour name nor a number; `font` is then unchanged.
void TextToFont(const QString& text, TFontDef& font);

// The group form.
QString GroupFontToText(const TFontDef& font);

// Reads the group form: item 1 the face, item 2 without its last two characters the size, any
// item "Bold", "Italic", "Underline" or "StrikeOut" (any letter case) a style, the last item the
// colour. Throws EVzError like TextToFont.
TFontDef GroupTextToFont(const QString& text);
