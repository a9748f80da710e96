// The organiser's list of view names: an item dragged within the list moves to the place of the
// item it is dropped on (to the end when dropped below the last one).
#pragma once

#include <QListWidget>

class TViewsListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit TViewsListWidget(QWidget* parent = nullptr);

    // Moves the item at `from` to the place of the item at `to` and selects it.
    void MoveItem(int from, int to);
    // The current item dropped at `point` (viewport pixels).
    void DropCurrentAt(QPoint point);

protected:
    void dropEvent(QDropEvent* event) override;
};
