// The drawing surface as a widget: as large as the surface, inside the timeline's scroll area.
// It draws nothing of its own: paint, mouse, hints and the event menu go to the logic surface.
#pragma once

#include "display/TtlHost.h"

#include <QWidget>

#include <functional>

class QMenu;
class TTimeLine;
class TtlEvent;

class TtlGraphWidget : public QWidget {
    Q_OBJECT
public:
    TtlGraphWidget(TTimeLine& timeline, QWidget* parent);

    // The event menu ppmBarLabel for `event`, with an action per visible entry; `parent` owns
    // it (nullptr: the caller does).
    QMenu* CreateEventMenu(TtlEvent& event, QWidget* parent);
    // Shows the menu at a screen position; tests replace it to choose an entry themselves.
    std::function<QAction*(QMenu& menu, QPoint globalPos)> ExecMenu;

    void SetSurfaceCursor(TtlCursorKind cursor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FollowCursor(QPoint where);
    void ShowEventMenu(TtlEvent& event, QPoint globalPos);

    TTimeLine& m_timeline;
    TtlCursorKind m_shown = TtlCursorKind::Arrow;
};
