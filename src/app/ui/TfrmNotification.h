// A small transient window at the bottom-right corner of the main window: a header and a short
// text, gone after a few seconds. It takes no focus and needs no answer.
#pragma once

#include <QFrame>

class QLabel;

class TfrmNotification : public QFrame {
    Q_OBJECT
public:
    // Shows `text` under `header` over `owner` for `milliseconds`; the window deletes itself.
    static TfrmNotification* ShowNotification(QWidget* owner, const QString& header,
                                              const QString& text, int milliseconds);

    QLabel* lblHeader;
    QLabel* lblText;

private:
    TfrmNotification(QWidget* owner, const QString& header, const QString& text);
};
