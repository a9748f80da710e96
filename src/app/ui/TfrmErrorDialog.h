// The error window of the application-wide handler: "Oops!", the text in a read-only box, a Help
// link, a Close button and "Attempt to close program on Close". It stays on top.
#pragma once

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

class TfrmErrorDialog : public QDialog {
    Q_OBJECT
public:
    TfrmErrorDialog(const QString& text, QWidget* parent = nullptr);

    // True when the user ticked "Attempt to close program on Close".
    bool CloseProgram() const;
    QString Text() const;

    QCheckBox* chkCloseProgram;
    QPushButton* btnClose;

Q_SIGNALS:
    void HelpRequested();

private:
    QPlainTextEdit* m_memo;
};
