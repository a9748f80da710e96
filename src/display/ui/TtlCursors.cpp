#include "display/ui/TtlCursors.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
constexpr int kSize = 32;

QPixmap Canvas() {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A round black bomb with a lit fuse; the hot spot is the spark.
QPixmap DrawBomb() {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(13, 19), 10, 10);
    p.setPen(QPen(QColor(90, 60, 20), 2));
    p.drawLine(QPointF(19, 11), QPointF(24, 6));
    p.setPen(QPen(QColor(255, 200, 0), 2));
    for (int i = 0; i < 6; ++i) {
        const double a = i * M_PI / 3;
        p.drawLine(QPointF(26, 4), QPointF(26 + 4 * std::cos(a), 4 + 4 * std::sin(a)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(9, 15), 2.5, 2.5);
    return pixmap;
}

// A magnifier with a plus in its lens; the hot spot is the lens centre.
QPixmap DrawMagnifier() {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(19, 19), QPointF(28, 28));
    p.setPen(QPen(Qt::black, 2.5));
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QPointF(12, 12), 9, 9);
    p.setPen(QPen(Qt::black, 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(7, 12), QPointF(17, 12));
    p.drawLine(QPointF(12, 7), QPointF(12, 17));
    return pixmap;
}

// A red and yellow burst; the hot spot is its centre.
QPixmap DrawBurst() {
    QPixmap pixmap = Canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    for (int i = 0; i < 24; ++i) {
        const double r = i % 2 ? 6.0 : 15.0;
        const double a = i * M_PI / 12;
        const QPointF pt(16 + r * std::cos(a), 16 + r * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(230, 30, 20));
    p.drawPath(star);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(16, 16), 5, 5);
    return pixmap;
}
} // namespace

QPixmap TtlCursorPicture(TtlCursorKind kind) {
    switch (kind) {
    case TtlCursorKind::BlowAway:
        return DrawBomb();
    case TtlCursorKind::ZoomIn:
        return DrawMagnifier();
    case TtlCursorKind::BlowAwayEvent:
        return DrawBurst();
    default:
        return {};
    }
}

QCursor TtlCursor(TtlCursorKind kind) {
    switch (kind) {
    case TtlCursorKind::HandPoint:
        return QCursor(Qt::PointingHandCursor);
    case TtlCursorKind::Drag:
        return QCursor(Qt::DragMoveCursor);
    case TtlCursorKind::Wait:
        return QCursor(Qt::WaitCursor);
    case TtlCursorKind::BlowAway: {
        static const QCursor cursor(TtlCursorPicture(kind), 26, 4);
        return cursor;
    }
    case TtlCursorKind::ZoomIn: {
        static const QCursor cursor(TtlCursorPicture(kind), 12, 12);
        return cursor;
    }
    case TtlCursorKind::BlowAwayEvent: {
        static const QCursor cursor(TtlCursorPicture(kind), 16, 16);
        return cursor;
    }
    case TtlCursorKind::Arrow:
    default:
        return QCursor(Qt::ArrowCursor);
    }
}
