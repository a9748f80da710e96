#include "time/ui/TTimeNumberBox.h"

#include "time/TimeEntry.h"

#include <QKeyEvent>

TTimeNumberBox::TTimeNumberBox(int maxLength, QWidget* parent) : QLineEdit(parent) {
    setMaxLength(maxLength);
}

void TTimeNumberBox::keyPressEvent(QKeyEvent* event) {
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!shortcut) {
        for (QChar c : event->text()) {
            if (c.unicode() < 0x20 && c.unicode() != 8 && c.unicode() != 9)
                continue; // Enter, Escape and the like keep their meaning.
            QChar key = c;
            FilterTimeKey(key);
            if (key.isNull()) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}
