// Pictures of the timeline drawn without a window through the one painting path of the surface:
// the whole surface, a part of it, and files by extension (PNG, JPEG, 24-bit BMP, vector PDF).
// The render command, image export, the clipboard picture and printing use these.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QPainter;
class TTimeLine;

// Paints the part `area` of the surface with its top-left corner at the painter's origin;
// parts outside the surface get the surface colour.
void PaintSurfaceArea(TTimeLine& timeline, QPainter& painter, const QRect& area);

// The part `area` of the surface as a 24-bit picture of exactly that size.
QImage RenderSurfaceArea(TTimeLine& timeline, const QRect& area);

// Writes the part `area` of the surface to `path`: ".png", ".jpg"/".jpeg", ".bmp" (24 bits) or
// ".pdf" (vector), the extension in any letter case. Throws EVzError for another extension or
// a file that cannot be written.
void SaveSurfaceArea(TTimeLine& timeline, const QRect& area, const QString& path);
