// The drag state of an event: whether a drag across the axis runs, where the mouse was pressed
// and with which button (0 none, 1 left, 2 right).
#pragma once

class TtlMover {
public:
    bool Moving = false;
    int DownX = 0;
    int DownY = 0;
    int Button = 0;

    void Reset() { *this = TtlMover(); }
};
