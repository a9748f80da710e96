// The box of a start or end minor number (at most 9 characters unless set otherwise).
#pragma once

#include "time/ui/TTimeNumberBox.h"

class TMinorNumberBox : public TTimeNumberBox {
    Q_OBJECT
public:
    static constexpr int DefaultMaxLength = 9;
    explicit TMinorNumberBox(QWidget* parent = nullptr)
        : TTimeNumberBox(DefaultMaxLength, parent) {}
};
