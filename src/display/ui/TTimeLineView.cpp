#include "display/ui/TTimeLineView.h"

#include "common/ColourText.h"
#include "display/TdtmGraph.h"
#include "display/TmLn.h"
#include "display/TtlGraph.h"
#include "display/ui/TtlCursors.h"
#include "display/ui/TtlGraphWidget.h"

#include <QApplication>
#include <QColorDialog>
#include <QScrollBar>

TTimeLineView::TTimeLineView(TTimeLine& timeline, QWidget* parent)
    : QScrollArea(parent), m_timeline(timeline), m_surface(new TtlGraphWidget(timeline, nullptr)) {
    setObjectName(QStringLiteral("TTimeLine"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setWidgetResizable(false);
    setWidget(m_surface); // the scroll area owns the surface widget
    horizontalScrollBar()->setTracking(true);
    verticalScrollBar()->setTracking(true);
    resize(200, 200);
    m_timeline.Graph().PopupModule().ChooseColour =
        [this](TColor initial) -> std::optional<TColor> {
        const QColor chosen = QColorDialog::getColor(ToQColor(initial), this);
        if (!chosen.isValid())
            return std::nullopt;
        return FromQColor(chosen);
    };
    m_timeline.SetHost(this);
}

TTimeLineView::~TTimeLineView() {
    if (m_overrideCursor)
        QApplication::restoreOverrideCursor();
    m_timeline.Graph().PopupModule().ChooseColour = nullptr;
    m_timeline.SetHost(nullptr);
}

QSize TTimeLineView::ControlSize() const {
    return size();
}

QSize TTimeLineView::ClientSize() const {
    return viewport()->size();
}

QPoint TTimeLineView::ScrollOffset() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void TTimeLineView::SurfaceResized(const QSize& size) {
    m_surface->resize(size);
}

void TTimeLineView::Invalidate(const QRect& rect) {
    if (rect.isNull())
        m_surface->update();
    else
        m_surface->update(rect);
}

void TTimeLineView::Repaint() {
    if (m_surface->isVisible())
        m_surface->repaint();
}

void TTimeLineView::SetRedraw(bool on) {
    m_surface->setUpdatesEnabled(on);
}

void TTimeLineView::ProcessEvents() {
    // A build asks once per event; the window stays painted when it is asked every few
    // milliseconds at most.
    if (m_sinceEvents.isValid() && m_sinceEvents.elapsed() < 15)
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_sinceEvents.start();
}

void TTimeLineView::SetSurfaceCursor(TtlCursorKind cursor) {
    m_surface->SetSurfaceCursor(cursor);
}

void TTimeLineView::SetScreenCursor(TtlCursorKind cursor) {
    if (m_overrideCursor) {
        QApplication::restoreOverrideCursor();
        m_overrideCursor = false;
    }
    if (cursor != TtlCursorKind::Arrow) {
        QApplication::setOverrideCursor(TtlCursor(cursor));
        m_overrideCursor = true;
    }
}

void TTimeLineView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    m_timeline.ControlResized();
}
