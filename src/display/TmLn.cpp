#include "display/TmLn.h"

#include "common/Dialogs.h"
#include "common/Errors.h"
#include "common/MiscUtils.h"
#include "common/Progress.h"
#include "display/TtlAxis.h"
#include "display/TtlBar.h"
#include "display/TtlBarLabel.h"
#include "display/TtlBayList.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "display/TtlGraph.h"
#include "storage/EventTimes.h"
#include "storage/MainDataMod.h"
#include "storage/TableDef.h"
#include "time/DateNumbers.h"
#include "time/ReadableText.h"
#include "time/TimeEntry.h"
#include "time/TimeValues.h"
#include "time/UnitTable.h"

#include <QBuffer>
#include <QDateTime>

#include <cmath>

namespace {
const QString kAxisError =
    QStringLiteral("Error creating axis.\r\n"
                   "* Check dates \u2013 check End value is greater than Start Value.\r\n"
                   "* Don't use numbers larger than 9 digits.\r\n"
                   "* You can have a start date only, but not an end date only.\r\n"
                   "* Don't use commas.");
} // namespace

TTimeLine::TTimeLine()
    : m_graph(std::make_unique<TtlGraph>(*this)), m_axis(std::make_unique<TtlAxis>(*this)),
      m_events(std::make_unique<TtlEventList>(*this)) {
    m_axis->SetOrientation(EffectiveHorizontal());
    m_graph->SetSize(m_host->ClientSize());
    SetMouseMode(0);
    SetBackground(QImage());
    SetDisplayMode(0);
    SetFileName(QString());
    SetUnits(usCalendarDates);
}

TTimeLine::~TTimeLine() = default;

TtlBayList& TTimeLine::Bays() const {
    return m_events->Bays();
}

void TTimeLine::SetHost(TtlHost* host) {
    m_host = host ? host : &m_fixedHost;
    m_host->SurfaceResized(m_graph->Size());
    m_host->SetSurfaceCursor(m_graph->SurfaceCursor());
    ControlResized();
}

void TTimeLine::SetClientSize(const QSize& size) {
    m_fixedHost.SetClientSize(size);
    if (m_host == &m_fixedHost)
        m_graph->SetSize(size);
}

void TTimeLine::ControlResized() {
    const QSize client = m_host->ClientSize();
    m_graph->SetSize(m_graph->Size().expandedTo(client));
}

TSettingsParts TTimeLine::SettingsParts() {
    TSettingsParts parts;
    parts.Timeline = &m_settings;
    parts.Axis = &m_axis->Settings();
    parts.Events = &m_events->Settings();
    parts.Bays = &Bays().Settings();
    parts.Legend = &m_legend;
    return parts;
}

void TTimeLine::ApplySettings() {
    m_axis->SetCaptionPos(m_axis->Settings().CaptionPos);
    m_graph->SetTransparentLabels(m_events->Settings().TransparentLabels);
    SetAxisOrientation(m_settings.AxisOrientation);
    SetAxisPos(m_settings.AxisPos);
}

void TTimeLine::SetDataModule(TdtmMain* dm) {
    m_dm = dm;
    SetDataSource(dm ? &dm->qryEvent : nullptr);
    SetEventTableDataSource(dm ? &dm->tblEvent : nullptr);
    SetCatTableDataSource(dm ? &dm->tblCategory : nullptr);
}

void TTimeLine::SetUnits(TUnitSystem units) {
    m_settings.Units = units;
    if (m_settings.CaptionFollowsUnits)
        m_axis->SetCaption(MajorLongName(units) + QLatin1Char('s'));
}

void TTimeLine::SetFileName(const QString& fileName) {
    m_fileName = fileName;
    m_fileNameHasNoFolder = !fileName.contains(QLatin1Char('/'));
}

void TTimeLine::ClearTimeline() {
    SetFileName(QString());
    m_events->Clear();
    if (Seams.ClearDecorations)
        Seams.ClearDecorations();
    m_graph->Layout();
    SetRangeZoomState(0);
    m_settings.Password.clear();
    m_rangeZoomContinuous = false;
    m_settings.CaptionFollowsUnits = true;
}

void TTimeLine::SetAxisOrientation(bool horizontal) {
    m_settings.AxisOrientation = horizontal;
    m_axis->SetOrientation(horizontal);
    for (const auto& event : m_events->Items())
        event->SetOrientation(EffectiveHorizontal());
}

void TTimeLine::SetAxisPos(int code) {
    m_settings.AxisPos = code;
    m_axis->SetPosition(code);
    for (const auto& event : m_events->Items())
        event->SetAxisPos(EffectiveAxisPos());
    m_graph->SetSurfaceAxisPos(code);
}

void TTimeLine::SetMouseMode(int mode) {
    m_mouseMode = mode;
    m_graph->SetMouseMode(mode);
}

void TTimeLine::SetDisplayMode(int mode) {
    m_displayMode = mode;
    for (const auto& event : m_events->Items()) {
        event->SetOrientation(EffectiveHorizontal());
        event->SetAxisPos(EffectiveAxisPos());
        event->Reposition(true);
    }
    m_graph->Invalidate({});
}

int TTimeLine::DefaultBarPixels() const {
    return TtlBar::ThicknessPixels(m_settings.BarWidthOrd);
}

QString TTimeLine::TimelineID() {
    if (m_settings.TimelineID.isEmpty())
        m_settings.TimelineID = IdentityStamp();
    return m_settings.TimelineID;
}

QString TTimeLine::UnitName() const {
    return MajorLongName(Units());
}

QString TTimeLine::MinorUnitCaption() const {
    return ::MinorUnitCaption(Units());
}

bool TTimeLine::ListNeedsScrollBar() const {
    return m_host->ControlSize().height() - 4 < m_graph->Height();
}

void TTimeLine::SetRange(TTimeValue end, TTimeValue start) {
    m_events->SetLockLabels(true);
    TDataSet* query = DataSource();
    if (!query || !query->Active())
        return;
    m_rangeStart = start;
    m_rangeEnd = end;
    try {
        m_axis->AdjustRange(start, Units() == usCalendarDates ? end + 1 : end);
    } catch (const std::exception&) {
        throw EVzError(kAxisError);
    }
    m_events->Build();
    m_graph->Layout();
    m_graph->Repaint();
}

void TTimeLine::RebuildDisplay() {
    if (TDataSet* query = DataSource()) {
        query->Close();
        query->Open();
    }
    m_events->Build();
    m_graph->Layout();
    m_events->RepositionAll();
    m_graph->Repaint();
}

void TTimeLine::ClearPositions() {
    TDataSet* table = EventTableDataSource();
    if (!table || !table->Active())
        return;
    TBusyCursor busy;
    if (auto* stored = dynamic_cast<TTable*>(table); stored && !stored->ReadOnly()) {
        // Every record with an X has it cleared: one statement instead of an edit and a post
        // per record, with the same outcome.
        const int changed =
            stored->Database().Execute(QStringLiteral("UPDATE %1 SET X = NULL WHERE X IS NOT NULL")
                                           .arg(QuoteIdentifier(stored->TableName())));
        if (changed > 0)
            SetModified(true);
        return;
    }
    // A read-only table refuses the first edit as any change does.
    static const QString kX = QStringLiteral("X");
    for (table->First(); !table->Eof(); table->Next()) {
        if (table->IsNull(kX))
            continue;
        table->Edit();
        table->SetNull(kX);
        table->Post();
    }
}

int TTimeLine::InsertEventRecord(const QString& name, const QString& startMajor,
                                 const QString& endMajor, const QString& startMinor,
                                 const QString& endMinor, const QString& description,
                                 bool textStyle, const QString& backdropFile,
                                 const QString& miniMapFile, const QString& mapFile) {
    TTable* table = dynamic_cast<TTable*>(EventTableDataSource());
    if (!table || !table->Active() || name.isEmpty() ||
        (startMajor.isEmpty() && startMinor.isEmpty()))
        return -1;
    table->Insert();
    try {
        table->SetValue(QStringLiteral("Name"), name);
        table->SetValue(QStringLiteral("Description"), description);
        table->SetValue(QStringLiteral("TextStyle"), textStyle);
        const std::pair<const char*, const QString*> pictures[] = {
            {"Backdrop", &backdropFile}, {"MiniMap", &miniMapFile}, {"Map", &mapFile}};
        for (const auto& [field, file] : pictures)
            if (!file->isEmpty())
                table->LoadFieldFromFile(QString::fromLatin1(field), *file);
        StoreStartEnd(startMajor, startMinor, endMajor, endMinor, Units(), *table);
        table->SetValue(QStringLiteral("Formatting"), QString());
        table->Post();
    } catch (...) {
        // Nothing half-inserted stays pending on the table.
        if (table->Editing())
            table->Cancel();
        throw;
    }
    table->Edit();
    const int id = table->AsInteger(QStringLiteral("ID"));
    table->Cancel();
    return id;
}

bool TTimeLine::AddNewEvent(TTimeValue axisStart, TTimeValue axisEnd) {
    TDataSet* table = EventTableDataSource();
    if (!table || !table->Active())
        return false;
    double value = (axisStart + axisEnd) / 2;
    std::optional<TSkipDateEntryScope> skip;
    if (m_dm)
        skip.emplace(*m_dm);
    QString startText;
    if (Units() == usCalendarDates) {
        if (std::fabs(axisStart) <= 1e-12 && std::fabs(axisEnd) <= 1e-12)
            value = DateTimeToValue(QDateTime::currentDateTime());
        startText = ShortDateText(value);
    } else {
        startText = GeneralFloatText(value);
    }
    const int newID = InsertEventRecord(QStringLiteral("New Event"), startText, {}, {}, {}, {},
                                        false, {}, {}, {});
    if (m_dm)
        m_dm->UpdateDateBoxes();
    if (table->Editing())
        table->Post();
    if (Seams.ReloadPictureBoxes)
        Seams.ReloadPictureBoxes();

    std::unique_ptr<TtlEvent> event;
    {
        TQuery query(table->Database(), QStringLiteral("qryNewEvent"),
                     QStringLiteral("select * from Event A left join Category B on A.CategoryID = "
                                    "B.ID where A.ID = %1")
                         .arg(newID));
        query.Open();
        if (!query.IsEmpty()) {
            event = std::make_unique<TtlEvent>(*this, *m_events);
            event->LoadFromRecord(query, m_mouseMode, Units(), m_events->DefaultBarColor());
        }
    }
    const bool ok = event && (!Seams.RunEventEditor || Seams.RunEventEditor(*event));
    if (ok) {
        TProgressHider hide;
        SetStage(QStringLiteral("Adding event..."));
        event->SetX(TtlBayList::UnplacedX);
        SetStage(QStringLiteral("Saving..."));
        event->SaveX();
        SetStage(QStringLiteral("Refreshing display..."));
        RebuildDisplay();
        SetStage(QStringLiteral("Final checks..."));
        if (!m_events->HasID(newID))
            Dialogs().Information(QStringLiteral(
                "The event will not be shown in the current View / search results.\r\n\r\n"
                "Check your search / View criteria (maybe you are only showing certain groups or "
                "keyword-containing events). Try the Home View or Show All for quick way to see "
                "event."));
        return true;
    }
    if (newID >= 0 && table->Locate(QStringLiteral("ID"), newID))
        table->Delete();
    return false;
}

void TTimeLine::SetBackground(const QImage& picture, const QByteArray& bitmapFile) {
    m_background = picture;
    m_backgroundFile = picture.isNull() ? QByteArray() : bitmapFile;
    m_graph->SetSurfaceBitmap(picture);
    m_graph->Invalidate({});
    m_host->Repaint();
}

void TTimeLine::LoadBackground(const QString& path) {
    m_graph->LoadBackground(path);
}

void TTimeLine::WriteBackground(const QString& path) const {
    QByteArray bytes = m_backgroundFile;
    if (!m_background.isNull() && bytes.isEmpty()) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!m_background.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
            throw EVzError(
                QStringLiteral("Could not write the background picture \"%1\".").arg(path));
    }
    WriteFileAtomically(path, bytes);
}

void TTimeLine::FitBackgroundOnce() {
    m_graph->FitBackgroundOnce();
    m_graph->Invalidate({});
}

void TTimeLine::ApplyZoom(int position) {
    const QSize client = m_host->ClientSize();
    QSize size = client;
    if (position > 10) {
        const double factor = double(position) / m_previousZoom;
        if (EffectiveHorizontal())
            size = QSize(int(RoundHalfEven(factor * m_graph->Width())), client.height());
        else
            size = QSize(client.width(), int(RoundHalfEven(factor * m_graph->Height())));
    }
    m_previousZoom = position;
    m_graph->SetSize(size);
}

void TTimeLine::SetRangeZoomState(int state) {
    m_rangeZoomState = state;
    m_axis->SetMarkerState(state == 0 ? 0 : state == 1 ? 2 : 1);
    m_graph->ShowMarkers();
}

void TTimeLine::StartRangeZoomOnce() {
    m_rangeZoomContinuous = false;
    SetRangeZoomState(2);
}

void TTimeLine::ToggleRangeZoomContinuous() {
    m_rangeZoomContinuous = true;
    SetRangeZoomState(m_rangeZoomState == 0 ? 2 : 0);
}

std::optional<std::pair<QString, QString>> TTimeLine::RangeZoomPick(const QString& valueText) {
    if (m_rangeZoomState == 2) {
        m_rangePickStart = valueText;
        SetRangeZoomState(1);
        return std::nullopt;
    }
    if (m_rangeZoomState == 1) {
        SetRangeZoomState(m_rangeZoomContinuous ? 2 : 0);
        return std::make_pair(m_rangePickStart, valueText);
    }
    return std::nullopt;
}

void TTimeLine::Paint(QPainter& painter, const QRect& clip) {
    m_graph->Paint(painter, clip);
}
