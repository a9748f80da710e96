// What the file sequences (New, Open, Load, Save, Close) ask of the rest of the program:
// settings, views, the background picture, the window and the search. Each call has a default
// that does nothing, so the sequences run headless; the main window and the command-line
// document override what they provide.
#pragma once

#include <QString>
#include <QtGlobal>

class TTimelineFileHost {
public:
    virtual ~TTimelineFileHost() = default;

    // Settings files: the timeline's "Vezizivu.ini" (timeline mode) or the defaults
    // (application mode).
    virtual void ReadSettings(const QString& path, bool timelineMode) { (void)path, (void)timelineMode; }
    virtual void WriteSettings(const QString& path, bool timelineMode) { (void)path, (void)timelineMode; }
    virtual QString DefaultSettingsPath() const { return {}; }

    // Views: fill the views list from the working folder's "Views.ini"; after a New, save the
    // "Home" view and list the views; after an Open, show the "Home" view.
    virtual void FillViewsList() {}
    virtual void SaveHomeView() {}
    virtual void ShowHomeView() {}

    // The background picture: loaded from and written to "Backdrop.bmp" (an empty file for
    // none). The writer must leave a file at `path`.
    virtual void LoadBackground(const QString& path) { (void)path; }
    virtual void WriteBackground(const QString& path) = 0;

    // The window.
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

    // The new-timeline wizard: true when it ended with OK; then all events are shown.
    virtual bool RunNewTimelineWizard() { return false; }
    virtual void ShowAllAfterWizard() {}

    // Search: reset the advanced search; select the events to show after a load.
    virtual void ResetAdvancedSearch() {}
    virtual void RunSearchAfterLoad() {}

    // The folder of the last timeline loaded or saved.
    virtual void SetLastUsedFolder(const QString& folder) { (void)folder; }

    // Free bytes on the file system holding `folder`; negative when unknown.
    virtual qint64 FreeBytes(const QString& folder) const;

    // Named points of the save sequence, for tests that make a save fail part-way.
    virtual void Checkpoint(const char* stage) { (void)stage; }
};
