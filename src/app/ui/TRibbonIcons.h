// The ribbon's button pictures, drawn with QPainter: a simple line glyph per command in the
// colour of its ribbon tab.
#pragma once

#include "app/CommandIds.h"

#include <QIcon>

class TRibbonIcons {
public:
    // The picture of `id` at `size` pixels (a null icon for commands without one).
    static QIcon Icon(TCommandId id, int size = 32);
};
