// A text box for a major or minor number: typed keys pass through FilterTimeKey, so only digits,
// "-", backspace and tab can be typed. Shortcuts (copy, paste, select all) and keys without text
// (arrows, Delete) keep their usual meaning; pasted text is left to the validator.
#pragma once

#include <QLineEdit>

class TTimeNumberBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TTimeNumberBox(int maxLength, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
