// What produced the events now on the display. It decides what "Update From Display" takes
// into a view and whether editing or organising views shows the current view again.
#pragma once

enum TDisplaySource {
    dsNone = 0,          // nothing since the program started
    dsSearchDialog = 1,  // the search dialog ended with OK
    dsAxisSelection = 2, // a range picked on the axis
    dsView = 3,          // a view was shown (also the Home view of a new timeline)
    dsShowAll = 4,       // "Show All"
};
