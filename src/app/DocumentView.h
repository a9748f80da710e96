// What the document asks of the window it is shown in. The main window implements it; without
// a view (the command-line tool) every call does nothing.
#pragma once

#include "storage/TimelineSettings.h"

#include <QString>

class TDocumentView {
public:
    virtual ~TDocumentView() = default;

    virtual void UpdateCaption() {}
    virtual void ShowTimelinePage() {}
    virtual void SetRedraw(bool on) { (void)on; }
    virtual void Repaint() {}
    // Shows the new-timeline panel and hides the axis, or the reverse.
    virtual void ShowNewTimelinePanel(bool show) { (void)show; }
    // Clears the search text, the time entry boxes and the views list.
    virtual void ClearSearchAndEntry() {}
    virtual void RefreshUnitCaptions() {}
    virtual void SetReadOnlyCopy(bool readOnlyCopy) { (void)readOnlyCopy; }
    // Starting folder of the Save dialog.
    virtual QString DialogFolder() const { return {}; }
    virtual void SetLastUsedFolder(const QString& folder) { (void)folder; }

    virtual bool RunNewTimelineWizard() { return false; }
    virtual void ShowAllAfterWizard() {}

    virtual void FillViewsList() {}
    virtual void SaveHomeView() {}
    virtual void ShowHomeView() {}
    virtual void ResetAdvancedSearch() {}
    virtual void RunSearchAfterLoad() {}
    // Runs the current search again (after a unit-system change).
    virtual void RerunSearch() {}

    // A settings file was read: ticks and captions follow the settings now in force.
    virtual void SettingsRead(bool timelineMode) { (void)timelineMode; }
    // The drawing surface and legend sizes the legend position is kept inside.
    virtual TLegendBounds LegendBounds() const { return {}; }
};
