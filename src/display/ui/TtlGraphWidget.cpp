#include "display/ui/TtlGraphWidget.h"

#include "display/TdtmGraph.h"
#include "display/TmLn.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "display/TtlGraph.h"
#include "display/ui/TtlCursors.h"

#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <memory>

TtlGraphWidget::TtlGraphWidget(TTimeLine& timeline, QWidget* parent)
    : QWidget(parent), m_timeline(timeline) {
    setObjectName(QStringLiteral("TtlGraph"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The menu opens on the release of a right click that was no drag.
    setContextMenuPolicy(Qt::PreventContextMenu);
    ExecMenu = [](QMenu& menu, QPoint globalPos) { return menu.exec(globalPos); };
}

void TtlGraphWidget::SetSurfaceCursor(TtlCursorKind cursor) {
    (void)cursor;
    FollowCursor(mapFromGlobal(QCursor::pos()));
}

void TtlGraphWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    m_timeline.Paint(painter, event->rect());
}

void TtlGraphWidget::mousePressEvent(QMouseEvent* event) {
    m_timeline.Graph().MousePress(event->position().toPoint(), event->button());
}

void TtlGraphWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint where = event->position().toPoint();
    m_timeline.Graph().MouseMove(where);
    FollowCursor(where);
}

void TtlGraphWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint where = event->position().toPoint();
    TtlEvent* menuEvent = m_timeline.Graph().MouseRelease(where, event->button());
    if (menuEvent)
        ShowEventMenu(*menuEvent, event->globalPosition().toPoint());
    FollowCursor(where);
}

bool TtlGraphWidget::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString hint = m_timeline.Graph().HintAt(help->pos());
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, this);
        return true;
    }
    return QWidget::event(event);
}

void TtlGraphWidget::FollowCursor(QPoint where) {
    const TtlCursorKind kind = m_timeline.Graph().CursorAt(where);
    if (kind != m_shown || cursor().shape() == Qt::BitmapCursor) {
        m_shown = kind;
        setCursor(TtlCursor(kind));
    }
}

QMenu* TtlGraphWidget::CreateEventMenu(TtlEvent& event, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("ppmBarLabel"));
    menu->setSeparatorsCollapsible(false);
    for (const TdtmGraph::TEntry& entry : m_timeline.Graph().PopupModule().Entries(event)) {
        if (entry.Item == TdtmGraph::TItem::Separator) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(entry.Caption);
        action->setEnabled(entry.Enabled);
        action->setData(int(entry.Item));
    }
    return menu;
}

void TtlGraphWidget::ShowEventMenu(TtlEvent& event, QPoint globalPos) {
    const std::unique_ptr<QMenu> menu(CreateEventMenu(event, nullptr));
    TtlEventList& list = m_timeline.Events();
    const quint64 clears = list.ClearCount();
    const int id = event.ID();
    QAction* chosen = ExecMenu ? ExecMenu(*menu, globalPos) : nullptr;
    if (!chosen || !chosen->isEnabled())
        return;
    // The menu ran an event loop: the event is used only when the list still holds it.
    TtlEvent* target = list.ClearCount() == clears ? &event : list.EventByID(id);
    if (!target)
        return;
    m_timeline.Graph().PopupModule().Run(TdtmGraph::TItem(chosen->data().toInt()), *target);
}
