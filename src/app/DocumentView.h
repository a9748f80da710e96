// What the document asks of the window it is shown in. The main window implements it; without
// a view (the command-line tool) every call does nothing.
#pragma once

#include "storage/TimelineSettings.h"

#include <QString>
#include <QStringList>

struct TViewDecorations;

class TDocumentView {
public:
    virtual ~TDocumentView() = default;

    virtual void UpdateCaption() {}
    virtual void ShowTimelinePage() {}
    virtual void SetRedraw(bool on) { (void)on; }
    virtual void Repaint() {}
    // Shows the new-timeline panel and hides the axis, or the reverse.
    virtual void ShowNewTimelinePanel(bool show) { (void)show; }
    // Clears the time entry boxes and the views list (the search text is the document's).
    virtual void ClearSearchAndEntry() {}
    virtual void RefreshUnitCaptions() {}
    virtual void SetReadOnlyCopy(bool readOnlyCopy) { (void)readOnlyCopy; }
    // Starting folder of the Save dialog.
    virtual QString DialogFolder() const { return {}; }
    virtual void SetLastUsedFolder(const QString& folder) { (void)folder; }

    virtual bool RunNewTimelineWizard() { return false; }

    // The notices over the timeline area: "No results." and "Too many results. ...".
    virtual void SetNoResultsVisible(bool visible) { (void)visible; }
    virtual void SetTooManyResultsVisible(bool visible) { (void)visible; }
    // The view selector: its items and the selected index (-1 for none).
    virtual void ViewsListChanged(const QStringList& names, int selected) { (void)names, (void)selected; }
    // The title over the timeline: its text, or everything a view sets of it and of the
    // introduction text box.
    virtual void SetTitleText(const QString& text) { (void)text; }
    virtual void ApplyViewDecorations(const TViewDecorations& decorations) { (void)decorations; }
    // The title and text box as the display shows them now (the user may have moved them);
    // what is not shown keeps the values last applied.
    virtual void ReadViewDecorations(TViewDecorations& decorations) const { (void)decorations; }

    // A settings file was read: ticks and captions follow the settings now in force.
    virtual void SettingsRead(bool timelineMode) { (void)timelineMode; }
    // The drawing surface and legend sizes the legend position is kept inside.
    virtual TLegendBounds LegendBounds() const { return {}; }
};
