#include "storage/MainDataMod.h"

#include "common/Dialogs.h"
#include "common/Errors.h"
#include "common/Progress.h"
#include "storage/EventTimes.h"
#include "storage/TimelineState.h"
#include "time/ReadableText.h"

TdtmMain::TdtmMain()
    : tblEvent(ffDB, QStringLiteral("tblEvent"), QStringLiteral("Event")),
      tblCategory(ffDB, QStringLiteral("tblCategory"), QStringLiteral("Category")),
      qryEvent(ffDB, QStringLiteral("qryEvent"), DefaultEventSql()),
      tblEventLookup(ffDB, QStringLiteral("tblEventLookup"), QStringLiteral("Event")),
      qryMaxID(ffDB, QStringLiteral("qryMaxID"), QStringLiteral("Select Max(ID) from Event")),
      qryMaxGrpID(ffDB, QStringLiteral("qryMaxGrpID"), QStringLiteral("Select Max(ID) from Category")),
      tblEvent2(ffDB, QStringLiteral("tblEvent2"), QStringLiteral("Event2")),
      tblCategory2(ffDB, QStringLiteral("tblCategory2"), QStringLiteral("Category2")) {
    AddDerivedFields(tblEvent);
    AddDerivedFields(qryEvent);
    for (const char* name : {"Category", "Group"})
        tblEvent.AddLookupField(QString::fromLatin1(name), TFieldType::String,
                                name[0] == 'C' ? 256 : 255, QStringLiteral("CategoryID"),
                                QStringLiteral("Category"), QStringLiteral("ID"),
                                QStringLiteral("Name"));

    tblEvent.Hooks.BeforePost = [this](TDataSet& ds) {
        try {
            if (ds.IsNull(QStringLiteral("ID")))
                ds.SetValue(QStringLiteral("ID"), ds.RecordCount() > 0 ? NextEventID() : 1);
            if (!m_skipDateEntry && m_entryEdited) {
                WriteStartEnd(ds, EntrySet().PrePostValues(m_timeline ? m_timeline->Units()
                                                                      : usCalendarDates));
                m_entryEdited = false;
            }
        } catch (const EAbort&) {
            throw;
        } catch (const EVzError& e) {
            Dialogs().Warning(PostTimeErrorText(e.Message()));
            throw EAbort();
        } catch (const std::exception& e) {
            Dialogs().Warning(PostTimeErrorText(QString::fromLocal8Bit(e.what())));
            throw EAbort();
        }
    };
    tblEvent.Hooks.OnPostError = [](TDataSet&, const EDatabaseError&) {
        Dialogs().Error(RecordExistsText());
    };
    auto setModified = [this](TDataSet&) {
        if (m_timeline)
            m_timeline->SetModified(true);
    };
    tblEvent.Hooks.AfterEdit = setModified;
    tblEvent.Hooks.AfterPost = setModified;
    tblEvent.Hooks.AfterDelete = setModified;
    tblEvent.Hooks.AfterInsert = [this](TDataSet&) {
        if (Seams.EventInserted)
            Seams.EventInserted();
    };
    tblEvent.Hooks.AfterScroll = [this](TDataSet& ds) {
        if (ds.Editing() || m_boxRefreshGuard)
            return;
        m_entryEdited = false;
        if (Seams.EntrySetChanged)
            UpdateDateBoxes();
        else
            m_entryStale = true;
    };
    tblEvent.Hooks.AfterOpen = [this](TDataSet&) { ShowEventCount(); };
    qryEvent.Hooks.AfterOpen = [this](TDataSet&) { ShowEventCount(); };

    tblCategory.Hooks.AfterInsert = [this](TDataSet&) {
        if (Seams.GroupInserted && Seams.GroupInserted() && m_timeline)
            m_timeline->SetModified(true);
    };
    tblCategory.Hooks.AfterDelete = setModified;
    tblCategory.Hooks.AfterScroll = [this](TDataSet&) {
        if (Seams.GroupRowChanged)
            Seams.GroupRowChanged();
    };
}

TdtmMain::~TdtmMain() {
    CloseDatabase();
}

QString TdtmMain::DefaultEventSql() {
    return QStringLiteral("select * from Event A\r\nleft join Category B on A.CategoryID = B.ID");
}

void TdtmMain::AddDerivedFields(TDataSet& events) {
    events.AddCalculatedField(QStringLiteral("Date"), TFieldType::String, 100,
                              [this](TDataSet& ds) -> QVariant {
                                  static const QString startName = QStringLiteral("Start");
                                  static const QString endName = QStringLiteral("End");
                                  const int start = ds.FieldIndex(startName);
                                  const int end = ds.FieldIndex(endName);
                                  if (start < 0 || end < 0)
                                      return QString();
                                  const QVariant s = ds.Value(start);
                                  const QVariant e = ds.Value(end);
                                  const TUnitSystem units =
                                      m_timeline ? m_timeline->Units() : usCalendarDates;
                                  return RangeText(!s.isValid(), !e.isValid(), units,
                                                   s.isValid() ? s.toDouble() : 0.0,
                                                   e.isValid() ? e.toDouble() : 0.0);
                              });
    // Declared for the data-entry grid and never filled.
    for (const char* name : {"StartFriendly", "EndFriendly"})
        events.AddCalculatedField(QString::fromLatin1(name), TFieldType::String, 100,
                                  [](TDataSet&) { return QVariant(QString()); });
}

void TdtmMain::SetTimeline(TTimelineState* timeline) {
    m_timeline = timeline;
    m_skipDateEntry = false;
}

void TdtmMain::OpenDatabase(const QString& folder) {
    TBusyCursor busy;
    try {
        ffDB.Open(folder);
        tblCategory.Open();
        tblEvent.Open();
        qryEvent.Open();
        tblEventLookup.Open();
    } catch (...) {
        CloseDatabase();
        throw;
    }
}

void TdtmMain::CloseDatabase() {
    ffDB.Close();
}

void TdtmMain::ReopenDatabase(const QString& folder) {
    CloseDatabase();
    OpenDatabase(folder);
}

int TdtmMain::MaxPlusOne(TQuery& query) {
    query.Close();
    query.Open();
    const QVariant max = query.Value(0);
    query.Close();
    return max.isValid() ? int(max.toLongLong() + 1) : 1;
}

int TdtmMain::NextEventID() {
    return MaxPlusOne(qryMaxID);
}

int TdtmMain::NextGroupID() {
    return MaxPlusOne(qryMaxGrpID);
}

void TdtmMain::SetEventTableReadOnly(bool readOnly) {
    const bool wasOpen = tblEvent.Active();
    tblEvent.Close();
    tblEvent.SetReadOnly(readOnly);
    if (wasOpen)
        tblEvent.Open();
}

void TdtmMain::ApplyPasswordLock() {
    SetEventTableReadOnly(m_timeline && !m_timeline->Password().isEmpty());
}

QString TdtmMain::EventCountText() {
    const int shown = qryEvent.Active() ? qryEvent.RecordCount() : 0;
    const int all = tblEvent.Active() ? tblEvent.RecordCount() : 0;
    return QStringLiteral("%1/%2 events").arg(shown).arg(all);
}

void TdtmMain::ShowEventCount() {
    if (Seams.StatusText)
        Seams.StatusText(EventCountText());
}

TTimeEntrySet& TdtmMain::EntrySet() {
    if (m_entryStale)
        FillEntrySet();
    return m_entrySet;
}

void TdtmMain::UpdateDateBoxes() {
    if (m_boxRefreshGuard)
        return;
    m_entryEdited = false;
    FillEntrySet();
    if (Seams.EntrySetChanged) {
        m_scrolling = true;
        try {
            Seams.EntrySetChanged();
        } catch (...) {
            m_scrolling = false;
            throw;
        }
        m_scrolling = false;
    }
}

void TdtmMain::FillEntrySet() {
    m_entryStale = false;
    const TUnitSystem units = m_timeline ? m_timeline->Units() : usCalendarDates;
    m_scrolling = true;
    try {
        if (tblEvent.Active() && !tblEvent.IsEmpty())
            m_entrySet.UpdateDateBoxes(OptionalTime(tblEvent, QStringLiteral("Start")),
                                       OptionalTime(tblEvent, QStringLiteral("End")), units);
        else
            m_entrySet.UpdateDateBoxes(std::nullopt, std::nullopt, units);
    } catch (const EAssertionFailed&) {
        // A calendar value no date can show (a timeline switched from another unit system):
        // the boxes stay empty, and since they were not edited the row keeps its values.
        m_entrySet = TTimeEntrySet{};
    } catch (...) {
        m_scrolling = false;
        throw;
    }
    m_scrolling = false;
}
