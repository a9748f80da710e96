// The settings file of a timeline ("Vezizivu.ini") and the defaults file ("quistor.ini"): one
// reader and one writer for both, in two modes.
//
// Timeline mode reads and writes the timeline's identity, password and axis caption; application
// mode the application options. Both read and write every display setting. Reading a missing
// key keeps the value in force, except for the keys with a fixed default (Units 7, AxisCaptionPos
// 1, AxisOrientation 0, AxisPos 1, AxisStyle 1, the outline colour black, the identity fields
// empty). Writing loads the existing file and keeps every section and key it does not write.
#pragma once

#include "storage/DisplaySettings.h"

#include <QString>

// The sizes the legend is kept inside when its position is read.
struct TLegendBounds {
    bool Known = false;
    int SurfaceWidth = 0;
    int SurfaceHeight = 0;
    int LegendWidth = 0;
    int LegendHeight = 0;
};

struct TSettingsContext {
    // The documents folder with a trailing "/": MyTimelines falls back to it + "My Timelines".
    QString PersonalFolder;
    TLegendBounds Legend;
};

// Reads `path` into `parts` (every part must be set). A missing file reads as a file without
// keys. Throws EVzError for a font or colour text that cannot be read; the settings read before
// it keep their new values.
void ReadTimelineSettings(const QString& path, bool timelineMode, const TSettingsParts& parts,
                          const TSettingsContext& context);

// Writes `parts` into `path`; in timeline mode an empty ID is created first. Throws EVzError
// when the file cannot be written.
void WriteTimelineSettings(const QString& path, bool timelineMode, const TSettingsParts& parts);

// Writes the one key "NewTimelineWizard" of the application options into `path`.
void WriteWizardOption(const QString& path, bool newTimelineWizard);

// The legend position read from the file, kept inside the surface: a position beyond the
// surface moves the legend against that edge, and never before 0.
void ClampLegend(TLegendSettings& legend, const TLegendBounds& bounds);
