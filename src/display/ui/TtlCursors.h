// The cursors of the display as the window shows them: the desktop's arrow, hand, drag and wait
// cursors, and the program's own three, drawn here — blow-away over the surface (a bomb),
// zoom-in (a magnifier with a plus) and blow-away over an event (a burst).
#pragma once

#include "display/TtlHost.h"

#include <QCursor>
#include <QPixmap>

QCursor TtlCursor(TtlCursorKind kind);
// The picture of one of the program's cursors (BlowAway, ZoomIn, BlowAwayEvent); a null pixmap
// for the desktop's cursors.
QPixmap TtlCursorPicture(TtlCursorKind kind);
