// The box of a start or end major number (at most 10 characters unless set otherwise).
#pragma once

#include "time/ui/TTimeNumberBox.h"

class TMajorNumberBox : public TTimeNumberBox {
    Q_OBJECT
public:
    static constexpr int DefaultMaxLength = 10;
    explicit TMajorNumberBox(QWidget* parent = nullptr)
        : TTimeNumberBox(DefaultMaxLength, parent) {}
};
