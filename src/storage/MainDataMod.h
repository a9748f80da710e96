// The main data module: the database of the working folder, the event and group tables, the
// event query of the current search and a few helper queries. It assigns event IDs, computes
// the readable "Date" of each row, runs the pre-post time step, marks the timeline modified and
// reports failed posts with the program's fixed texts.
//
// Work that belongs to other parts of the program is reached through the Seams below; a seam
// left empty does nothing.
#pragma once

#include "storage/Database.h"
#include "storage/Query.h"
#include "storage/Table.h"
#include "time/TTimeEntrySet.h"
#include "time/TimeTypes.h"

#include <functional>

class TTimelineState;

class TdtmMain {
public:
    TdtmMain();
    ~TdtmMain();
    TdtmMain(const TdtmMain&) = delete;
    TdtmMain& operator=(const TdtmMain&) = delete;

    TDatabase ffDB;
    TTable tblEvent;        // "Event"
    TTable tblCategory;     // "Category"
    TQuery qryEvent;        // the events of the current search joined with their groups
    TTable tblEventLookup;  // a second cursor on "Event"
    TQuery qryMaxID;        // "Select Max(ID) from Event"
    TQuery qryMaxGrpID;     // "Select Max(ID) from Category"
    TTable tblEvent2;       // import staging tables, opened only while an import runs
    TTable tblCategory2;

    // The main window's time entry boxes as data. They follow the current event row; when the
    // user has changed them (MarkEntrySetEdited), the event table's pre-post step takes Start
    // and End from them unless SkipDateEntry is set. Posts of rows whose boxes were not touched
    // keep their stored values exactly (re-reading the box texts would round them).
    // The set is filled when it is next read after a move (or at once when a widget listens to
    // EntrySetChanged), so program walks over many rows do not format every row's times.
    TTimeEntrySet& EntrySet();
    void MarkEntrySetEdited() { m_entryEdited = true; }
    bool EntrySetEdited() const { return m_entryEdited; }

    struct TSeams {
        // The entry set was filled from the current row: the entry widgets show it again.
        std::function<void()> EntrySetChanged;
        // An event row was inserted: hide the new-timeline panel and show the axis.
        std::function<void()> EventInserted;
        // A group row was inserted; true when the groups window is visible (it then takes the
        // focus and the timeline becomes modified).
        std::function<bool()> GroupInserted;
        // The current group row changed.
        std::function<void()> GroupRowChanged;
        // The first panel of the status bar.
        std::function<void(const QString& text)> StatusText;
    };
    TSeams Seams;

    void SetTimeline(TTimelineState* timeline);
    TTimelineState* Timeline() const { return m_timeline; }

    // Opens the database on `folder` and, in this order, tblCategory, tblEvent, qryEvent and
    // tblEventLookup; a failure closes everything again and propagates.
    void OpenDatabase(const QString& folder);
    void CloseDatabase();
    void ReopenDatabase(const QString& folder);
    bool IsDatabaseOpen() const { return ffDB.IsOpen(); }
    QString DatabaseFolder() const { return ffDB.Folder(); }

    // Largest ID plus 1 (1 for an empty table).
    int NextEventID();
    int NextGroupID();

    void SetEventTableReadOnly(bool readOnly);
    // Read-only while the timeline has a password.
    void ApplyPasswordLock();
    void SetSkipDateEntry(bool skip) { m_skipDateEntry = skip; }
    bool SkipDateEntry() const { return m_skipDateEntry; }
    // "%d/%d events": rows of the event query (0 when closed) and of the event table.
    void ShowEventCount();
    QString EventCountText();
    // Fills EntrySet from the current event row (empty texts without one); nothing while the
    // box-refresh guard is set.
    void UpdateDateBoxes();
    // True while the entry boxes are being filled from the current row.
    bool Scrolling() const { return m_scrolling; }
    // Set while the user types in an entry box that put the row into editing.
    void SetBoxRefreshGuard(bool on) { m_boxRefreshGuard = on; }
    bool BoxRefreshGuard() const { return m_boxRefreshGuard; }

    // The initial text of the event query.
    static QString DefaultEventSql();
    static QString RecordExistsText() { return QStringLiteral("That record already exists."); }

private:
    void AddDerivedFields(TDataSet& events);
    int MaxPlusOne(TQuery& query);

    TTimelineState* m_timeline = nullptr;
    bool m_skipDateEntry = false;
    bool m_scrolling = false;
    bool m_boxRefreshGuard = false;
    bool m_entryEdited = false;
    bool m_entryStale = false;
    TTimeEntrySet m_entrySet;

    void FillEntrySet();
};

// Sets the programmatic-entry flag for the lifetime of the guard, so posts made by code keep
// the Start and End they were given.
class TSkipDateEntryScope {
public:
    explicit TSkipDateEntryScope(TdtmMain& dm) : m_dm(dm), m_previous(dm.SkipDateEntry()) {
        dm.SetSkipDateEntry(true);
    }
    ~TSkipDateEntryScope() { m_dm.SetSkipDateEntry(m_previous); }
    TSkipDateEntryScope(const TSkipDateEntryScope&) = delete;
    TSkipDateEntryScope& operator=(const TSkipDateEntryScope&) = delete;

private:
    TdtmMain& m_dm;
    bool m_previous;
};
