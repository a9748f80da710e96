// The settings a timeline carries in "Vezizivu.ini" (and the defaults in "quistor.ini"), in the
// parts that own them: the timeline control, its axis, its event list, its bay list and the
// legend, plus the application options. Initial values are the display's built-in ones.
#pragma once

#include "common/Colour.h"
#include "common/FontDef.h"
#include "time/TimeTypes.h"

#include <QString>

// Held by the timeline control.
struct TTimelineSettings {
    TUnitSystem Units = usCalendarDates;     // "Units"
    bool AxisOrientation = false;            // "AxisOrientation": true runs left to right
    int AxisPos = 1;                         // "AxisPos": 0 left, 1 middle, 2 none, 3 top, 4 bottom
    int BarWidthOrd = 1;                     // "BarWidthOrd": 0 thin, 1 medium, 2 thick
    QString LabelFmt = QStringLiteral("%0:s %1:s"); // "LabelFmt"
    bool ParentChildDisplay = true;          // [Parenting] "Display"
    QString Password;                        // "Checksum"
    QString TimelineID;                      // "ID"
    QString SourceID;                        // "SourceID"
    QString SourceName;                      // "SourceName"
    bool CaptionFollowsUnits = true;         // cleared when "AxisCaption" is read
    QString SearchText;                      // "SearchText", written only
};

// Held by the axis.
struct TAxisSettings {
    QString Caption = QStringLiteral("Calendar Dates"); // "AxisCaption"
    TFontDef Font{QStringLiteral("Arial"), 7, false, false, false, false, clWhite}; // "AxisFont"
    TColor LabelBackground = clBlack;        // "AxisLabelColor"
    int CaptionPos = 1;                      // "AxisCaptionPos": 0 top, 1 middle, 2 bottom
    int Style = 1;                           // "AxisStyle": 0 black, 1 metallic, 2 white, 3 bands
    bool Gridlines = true;                   // "Gridlines"
};

// Held by the event list.
struct TEventListSettings {
    int EventSnap = 25;                      // "EventSnap"
    int MinBarHeight = 10;                   // "MinBarHeight"
    bool ShowRealBarHeight = false;          // "ShowRealBarHeight"
    int MaxEvents = 150;                     // "MaxEvents" (application settings only)
    bool AutoWrapLabels = false;             // "AutoWrapLabels"
    TFontDef LabelFont{QStringLiteral("Arial"), 12, true, false, false, false, clBlack}; // "LabelFont"
    TColor BarColor = clAqua;                // "BarColor"
    TColor BarOutlineColor = clBlack;        // "BarOutlineColor"
    bool TransparentLabels = false;          // "TransparentLabels"
};

// Held by the bay list.
struct TBaySettings {
    int BayWidth = 120;                      // "BayWidth"
    float BayOffset = 0.1f;                  // "BayOffset" (single precision)
    int Layout = 3;                          // "Layout" (also written as "LayoutStyle")
};

// Held by the legend.
struct TLegendSettings {
    int Left = 0;                            // "LegendLeft"
    int Top = 0;                             // "LegendTop"
    bool Visible = false;                    // "ShowLegend"
    TFontDef Font{QStringLiteral("MS Sans Serif"), 8, false, false, false, false, clBlack}; // "LegendFont"
    TColor Color = clBtnFace;                // "LegendColor"
};

// Held by the main window; read and written in application mode only.
struct TAppOptions {
    bool HintsOn = false;                    // "HintsOn"
    bool NewTimelineWizard = false;          // "NewTimelineWizard"
    QString MyTimelinesFolder;               // "MyTimelines", read only
};

// The parts a settings file is read into and written from; each points at the object that
// owns it.
struct TSettingsParts {
    TTimelineSettings* Timeline = nullptr;
    TAxisSettings* Axis = nullptr;
    TEventListSettings* Events = nullptr;
    TBaySettings* Bays = nullptr;
    TLegendSettings* Legend = nullptr;
    TAppOptions* App = nullptr;
};
