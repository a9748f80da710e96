#include "display/TtlGraph.h"

#include "common/ColourText.h"
#include "common/Dialogs.h"
#include "common/Errors.h"
#include "display/TdtmGraph.h"
#include "display/TmLn.h"
#include "display/TtlAxis.h"
#include "display/TtlBar.h"
#include "display/TtlBarIcon.h"
#include "display/TtlBarLabel.h"
#include "display/TtlCoverage.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

#include <cmath>

namespace {
// The value under the mouse as a whole number ("0" format: halves away from zero).
QString WholeNumberText(double value) {
    const double r = std::round(value);
    return QString::number(r == 0 ? 0.0 : r, 'f', 0);
}
} // namespace

TtlGraph::TtlGraph(TTimeLine& owner)
    : m_owner(owner), m_popup(std::make_unique<TdtmGraph>(owner)) {}

TtlGraph::~TtlGraph() = default;

void TtlGraph::SetSize(const QSize& size) {
    if (size == m_size)
        return;
    m_size = size;
    m_owner.Host().SurfaceResized(size);
    Layout();
}

void TtlGraph::Layout() {
    m_owner.Axis().UpdateGeometry(m_size);
    m_owner.Events().RepositionAll();
    Invalidate({});
}

void TtlGraph::Invalidate(const QRect& rect) {
    m_owner.Host().Invalidate(rect);
}

void TtlGraph::Repaint() {
    if (m_owner.Seams.LayoutTitle)
        m_owner.Seams.LayoutTitle();
    m_owner.Host().Invalidate({});
    m_owner.Host().Repaint();
}

void TtlGraph::Paint(QPainter& painter, const QRect& clip) {
    if (m_building)
        return;
    m_building = true;
    struct TDone {
        bool& Flag;
        ~TDone() { Flag = false; }
    } done{m_building};

    QRect target(QPoint(0, 0), m_size);
    if (m_fitOnce) {
        const QSize control = m_owner.Host().ControlSize();
        target = QRect(0, m_owner.Host().ScrollOffset().y(), control.width(), control.height());
        m_fitOnce = false;
    }
    const QRect area = clip.isNull() ? QRect(QPoint(0, 0), m_size) : clip;
    painter.fillRect(area, ToQColor(clBtnShadow));
    if (!m_bitmap.isNull() && !target.isEmpty()) {
        if (m_scaled.size() != target.size())
            m_scaled =
                m_bitmap.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QRect part = area.intersected(target);
        if (!part.isEmpty())
            painter.drawImage(part.topLeft(), m_scaled, part.translated(-target.topLeft()));
    }

    m_owner.Axis().Paint(painter);

    const TtlAxis& axis = m_owner.Axis();
    for (int marker = 1; marker <= 2; ++marker) {
        const QRect r = axis.MarkerRect(marker);
        if (!r.isEmpty())
            painter.fillRect(r, ToQColor(axis.MarkerColour()));
    }

    // Bars first, then icons, then labels, each in list order: a label's text stays readable
    // where it reaches over the bar of a neighbouring bay.
    const auto& events = m_owner.Events().Items();
    for (const auto& event : events)
        if (event->Bar().Visible() && event->Bar().Rect().intersects(area))
            event->Bar().Paint(painter);
    for (const auto& event : events)
        if (event->Icon().Visible() && event->Icon().Rect().intersects(area))
            event->Icon().Paint(painter);
    // Labels are looked at from the topmost down; one that later opaque labels hide entirely
    // is not drawn.
    TtlCoverage coverage(area);
    std::vector<const TtlBarLabel*> labels;
    labels.reserve(events.size());
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        const TtlBarLabel& label = (*it)->Label();
        if (!label.Visible() || !label.Rect().intersects(area) || coverage.Covered(label.Rect()))
            continue;
        labels.push_back(&label);
        if (!label.Transparent())
            coverage.Cover(label.Rect());
    }
    for (auto it = labels.rbegin(); it != labels.rend(); ++it)
        (*it)->Paint(painter);

    if (m_owner.Seams.PaintDecorations)
        m_owner.Seams.PaintDecorations(painter, area);
}

void TtlGraph::SetSurfaceBitmap(const QImage& bitmap) {
    m_bitmap = bitmap;
    m_scaled = QImage();
}

void TtlGraph::LoadBackground(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        Dialogs().ShowMessage(TMsgKind::Error, QStringLiteral("File not found: %1").arg(path),
                              QStringLiteral("Vezizivu"));
        return;
    }
    const QString ext = QFileInfo(path).suffix();
    const QChar kind = ext.isEmpty() ? QChar() : ext[0].toUpper();
    if (kind != QLatin1Char('B') && kind != QLatin1Char('J'))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EVzError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    QImage image;
    const bool bitmap = kind == QLatin1Char('B');
    if (!bytes.isEmpty()) {
        // The program writes an empty file for "no picture".
        image = QImage::fromData(bytes, bitmap ? "BMP" : "JPEG");
        if (image.isNull())
            throw EVzError(bitmap ? QStringLiteral("Bitmap image is not valid")
                                  : QStringLiteral("JPEG image is not valid"));
    }
    m_owner.SetBackground(image, bitmap ? bytes : QByteArray());
}

bool TtlGraph::TransparentLabels() const {
    return m_owner.Events().Settings().TransparentLabels;
}

void TtlGraph::SetTransparentLabels(bool on) {
    m_owner.Events().Settings().TransparentLabels = on;
    for (const auto& event : m_owner.Events().Items())
        event->Label().SetTransparent(on);
    Invalidate({});
}

bool TtlGraph::Gridlines() const {
    return m_owner.Axis().Settings().Gridlines;
}

void TtlGraph::SetGridlines(bool on) {
    m_owner.Axis().Settings().Gridlines = on;
    Invalidate({});
}

void TtlGraph::SetSurfaceAxisPos(int code) {
    m_axisPos = code;
    m_owner.Axis().SetPosition(code);
    Layout();
}

void TtlGraph::SetMouseMode(int mode) {
    m_mouseMode = mode;
    if (mode == 0)
        SetSurfaceCursor(TtlCursorKind::Arrow);
    else if (mode == 1)
        SetSurfaceCursor(TtlCursorKind::BlowAway);
    m_owner.Events().SetMouseMode(mode);
}

void TtlGraph::SetSurfaceCursor(TtlCursorKind cursor) {
    m_surfaceCursor = cursor;
    m_owner.Host().SetSurfaceCursor(cursor);
}

void TtlGraph::ShowMarkers() {
    const TtlAxis& axis = m_owner.Axis();
    for (int marker = 1; marker <= 2; ++marker) {
        const QRect now = axis.MarkerRect(marker);
        QRect& shown = m_markerShown[marker - 1];
        if (now != shown) {
            if (!shown.isEmpty())
                Invalidate(shown);
            if (!now.isEmpty())
                Invalidate(now);
            shown = now;
        }
    }
}

TtlItem* TtlGraph::ItemAt(QPoint where) {
    return m_hits.ItemAt(m_owner.Events(), where);
}

TtlCursorKind TtlGraph::CursorAt(QPoint where) {
    if (TtlItem* item = ItemAt(where))
        return item->Event().Cursor();
    return m_surfaceCursor;
}

QString TtlGraph::HintAt(QPoint where) {
    if (TtlItem* item = ItemAt(where))
        return item->Event().DateText();
    return {};
}

void TtlGraph::MousePress(QPoint where, Qt::MouseButton button) {
    if (m_building)
        return;
    m_pressed = ItemAt(where);
    m_pressClears = m_owner.Events().ClearCount();
    if (m_pressed)
        m_pressed->Event().MouseDown(*m_pressed, where,
                                     button == Qt::LeftButton    ? 1
                                     : button == Qt::RightButton ? 2
                                                                 : 0);
}

void TtlGraph::MouseMove(QPoint where) {
    if (m_building)
        return;
    if (m_pressed && m_pressClears != m_owner.Events().ClearCount())
        m_pressed = nullptr;
    if (m_pressed) {
        m_pressed->Event().MouseMove(*m_pressed, where);
        return;
    }
    if (!ItemAt(where))
        SurfaceMouseMove(where);
}

TtlEvent* TtlGraph::MouseRelease(QPoint where, Qt::MouseButton button) {
    if (m_building)
        return nullptr;
    TtlItem* item = m_pressed;
    m_pressed = nullptr;
    TtlEventList& list = m_owner.Events();
    if (!item) {
        if (button == Qt::LeftButton)
            Click(where);
        return nullptr;
    }
    if (m_pressClears != list.ClearCount())
        return nullptr; // the events were rebuilt while the button was down
    TtlEvent& event = item->Event();
    const bool wasMoving = event.Mover().Moving;
    const bool inside = item->Rect().contains(where);
    const quint64 clears = list.ClearCount();
    // The click comes before the release; a handler may rebuild the display.
    if (button == Qt::LeftButton && inside)
        event.Click(where);
    if (clears != list.ClearCount())
        return nullptr;
    event.MouseUp(*item, where);
    if (button == Qt::RightButton && !wasMoving && inside && !m_owner.KioskMode())
        return &event;
    return nullptr;
}

void TtlGraph::Click(QPoint where) {
    if (OnClick)
        OnClick();
    m_owner.Events().Select(nullptr);
    const TtlAxis& axis = m_owner.Axis();
    const double value = axis.PixelToValue(axis.Horizontal() ? where.x() : where.y());
    if (m_owner.OnGraphClick)
        m_owner.OnGraphClick(m_owner, WholeNumberText(value));
}

void TtlGraph::SurfaceMouseMove(QPoint where) {
    m_lastMouse = where;
    TtlAxis& axis = m_owner.Axis();
    const int state = axis.MarkerState();
    if (state == 0)
        return;
    const double value = axis.PixelToValue(axis.Horizontal() ? where.x() : where.y());
    axis.SetMarkerValue(state == 1 ? 1 : 2, value);
    ShowMarkers();
}
