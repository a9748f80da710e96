#include "search/ui/TViewsListWidget.h"

#include <QDropEvent>

TViewsListWidget::TViewsListWidget(QWidget* parent) : QListWidget(parent) {
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TViewsListWidget::MoveItem(int from, int to) {
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to)
        return;
    QListWidgetItem* item = takeItem(from);
    insertItem(to, item);
    setCurrentItem(item);
}

void TViewsListWidget::DropCurrentAt(QPoint point) {
    QListWidgetItem* target = itemAt(point);
    MoveItem(currentRow(), target ? row(target) : count() - 1);
}

void TViewsListWidget::dropEvent(QDropEvent* event) {
    DropCurrentAt(event->position().toPoint());
    // The item has moved already: the drag must not also remove it from its old place.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}
