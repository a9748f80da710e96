#include "display/PaintHelpers.h"

#include <QFontMetrics>
#include <QPainter>

void PixelLine(QPainter& painter, QPoint a, QPoint b, const QColor& colour) {
    if (a.y() == b.y()) {
        if (a.x() < b.x())
            painter.fillRect(QRect(a.x(), a.y(), b.x() - a.x(), 1), colour);
        else if (a.x() > b.x())
            painter.fillRect(QRect(b.x() + 1, a.y(), a.x() - b.x(), 1), colour);
    } else if (a.x() == b.x()) {
        if (a.y() < b.y())
            painter.fillRect(QRect(a.x(), a.y(), 1, b.y() - a.y()), colour);
        else
            painter.fillRect(QRect(a.x(), b.y() + 1, 1, a.y() - b.y()), colour);
    }
}

void DottedLine(QPainter& painter, QPoint a, QPoint b, const QColor& colour) {
    if (a == b)
        return;
    // The pen is cosmetic, one pixel wide, with a one-on one-off pattern; the last pixel is
    // left out by stopping one short.
    QPen pen(colour, 1);
    pen.setCosmetic(true);
    pen.setDashPattern({1.0, 1.0});
    pen.setCapStyle(Qt::FlatCap);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QPoint end = b;
    if (a.y() == b.y())
        end.rx() += a.x() < b.x() ? -1 : 1;
    else
        end.ry() += a.y() < b.y() ? -1 : 1;
    // Qt draws a cosmetic line through pixel centres.
    painter.drawLine(QPointF(a) + QPointF(0.5, 0.5), QPointF(end) + QPointF(0.5, 0.5));
    painter.restore();
}

void OutlineRect(QPainter& painter, const QRect& rect, const QColor& colour) {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const QRect r = rect.normalized();
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
    if (r.height() > 1)
        painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
    if (r.height() > 2) {
        painter.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), colour);
        if (r.width() > 1)
            painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), colour);
    }
}

void DrawTextCell(QPainter& painter, const QFontMetrics& metrics, QPoint origin, int angleTenths,
                  const QString& text, const QColor& colour, const QColor* background) {
    const int w = metrics.horizontalAdvance(text);
    const int h = metrics.height();
    painter.save();
    painter.translate(origin);
    if (angleTenths == 900)
        painter.rotate(-90);
    else if (angleTenths == 2700)
        painter.rotate(90);
    if (background)
        painter.fillRect(QRect(0, 0, w, h), *background);
    painter.setPen(colour);
    painter.drawText(QPoint(0, metrics.ascent()), text);
    painter.restore();
}
