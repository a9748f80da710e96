#include "storage/MainDataMod.h"

#include "common/Dialogs.h"
#include "common/Errors.h"
#include "common/Progress.h"
#include "storage/TimelineState.h"

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
            if (!m_skipDateEntry && Seams.PrePostTimeStep)
                Seams.PrePostTimeStep(ds);
        } catch (const EAbort&) {
            throw;
        } catch (const EVzError& e) {
            Dialogs().Warning(OopsText(e.Message()));
            throw EAbort();
        } catch (const std::exception& e) {
            Dialogs().Warning(OopsText(QString::fromLocal8Bit(e.what())));
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
        if (!ds.Editing())
            UpdateDateBoxes();
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

QString TdtmMain::OopsText(const QString& error) {
    const QString checklist = QStringLiteral(
        "* Check dates \u2013 check End value is greater than Start Value.\r\n"
        "* Don't use numbers larger than 9 digits.\r\n"
        "* You can have a start date only, but not an end date only.\r\n"
        "* Don't use commas.");
    return QStringLiteral("Oops! There was a problem. This event hasn't updated but no damage has "
                          "been done.\r\n\r\nMake sure you check the following:\r\n%1\r\n\r\n"
                          "(The actual error was:\r\n%2)")
        .arg(checklist, error);
}

void TdtmMain::AddDerivedFields(TDataSet& events) {
    events.AddCalculatedField(QStringLiteral("Date"), TFieldType::String, 100,
                              [this](TDataSet& ds) -> QVariant {
                                  if (!Seams.DateText)
                                      return QString();
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
                                  return Seams.DateText(!s.isValid(), !e.isValid(), units,
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

void TdtmMain::UpdateDateBoxes() {
    if (!Seams.UpdateDateBoxes)
        return;
    m_scrolling = true;
    try {
        Seams.UpdateDateBoxes();
    } catch (...) {
        m_scrolling = false;
        throw;
    }
    m_scrolling = false;
}
