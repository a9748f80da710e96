// Pixel-exact drawing used by the axis and the items: lines that run from one point up to a
// second one (which is not drawn), outlines, dotted gridlines and text cells whose top-left
// corner (of the unrotated cell) sits at a given point, optionally rotated.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QFontMetrics;
class QPainter;

// A horizontal or vertical one-pixel line from `a` up to `b`, `b` excluded.
void PixelLine(QPainter& painter, QPoint a, QPoint b, const QColor& colour);
// A dotted one-pixel line from `a` up to `b` (excluded), one pixel on, one off.
void DottedLine(QPainter& painter, QPoint a, QPoint b, const QColor& colour);
// The one-pixel outline of `rect` (every pixel of its edges).
void OutlineRect(QPainter& painter, const QRect& rect, const QColor& colour);

// The cell of `text` in the painter's font: its advance by the font's line height. The cell's
// top-left corner of the unrotated text sits at `origin`; `angleTenths` is 0, 900 (reading
// upward) or 2700 (reading downward). With a background the cell is filled first.
void DrawTextCell(QPainter& painter, const QFontMetrics& metrics, QPoint origin, int angleTenths,
                  const QString& text, const QColor& colour, const QColor* background);
