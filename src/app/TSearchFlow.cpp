#include "app/TSearchFlow.h"

#include "app/DocumentView.h"
#include "common/Dialogs.h"
#include "common/Progress.h"
#include "display/TmLn.h"
#include "display/TtlBarLabel.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "display/TtlGraph.h"
#include "search/SearchPlan.h"
#include "search/SearchText.h"
#include "storage/MainDataMod.h"

#include <cmath>

namespace {
constexpr double kLargestBound = 999999999;

bool IsSet(double value) {
    return value != NoRangeValue;
}

bool TooLarge(double value) {
    return !std::isfinite(value) || std::abs(value) > kLargestBound;
}

// While the event query is reopened and the display rebuilt: the data-aware controls of the
// event table and query wait, the timeline area is not redrawn and the wait cursor shows;
// all of it is restored on every path out.
class TSearchScope {
public:
    TSearchScope(TdtmMain& dm, TDocumentView* view) : m_dm(dm), m_view(view) {
        m_dm.tblEvent.DisableControls();
        m_dm.qryEvent.DisableControls();
        if (m_view)
            m_view->SetRedraw(false);
    }
    ~TSearchScope() {
        if (m_view)
            m_view->SetRedraw(true);
        m_dm.qryEvent.EnableControls();
        m_dm.tblEvent.EnableControls();
    }
    TSearchScope(const TSearchScope&) = delete;
    TSearchScope& operator=(const TSearchScope&) = delete;

private:
    TdtmMain& m_dm;
    TDocumentView* m_view;
    TBusyCursor m_busy;
};
} // namespace

TSearchFlow::TSearchFlow(TdtmMain& dm, TTimeLine& timeline) : m_dm(dm), m_timeline(timeline) {
    m_state.Request.Clear();
    m_viewRequest.Clear();
}

QString TSearchFlow::TooManyResultsText() {
    return QStringLiteral("This is a large timeline so you need sufficiently specific search "
                          "criteria to retrieve a sensible "
                          "number of results. Please use more specific criteria. Look in the Data "
                          "Entry page or refer to the "
                          "manual (Help menu) if in doubt as to how to narrow down your search. or "
                          "see Tools > Options > Max Events.");
}

QString TSearchFlow::SearchText() const {
    return m_timeline.SettingsParts().Timeline->SearchText;
}

void TSearchFlow::SetSearchText(const QString& text) {
    m_timeline.SettingsParts().Timeline->SearchText = text;
}

std::optional<TSearchFlow::TState> TSearchFlow::Prepare(const QString& searchText,
                                                        bool showFeedback, const QString& tags,
                                                        double year2, double year1,
                                                        bool useYearArgs, const QString& sql) {
    TState s;
    s.Request.Clear();
    s.Request.Keywords = searchText;
    s.Request.ShowFeedback = showFeedback;
    s.Request.SetSql(sql);
    s.Request.UseYearArgs = useYearArgs;
    s.Request.Year1 = year1;
    s.Request.Year2 = year2;
    s.Request.SetTags(tags);
    // The presentation a view keeps with its request is not the search's: it stays.
    const TSearchRequest& previous = m_state.Request;
    s.Request.BlownAwayNames = previous.BlownAwayNames;
    s.Request.Notes = previous.Notes;
    s.Request.TitleVisible = previous.TitleVisible;
    s.Request.TitleLeft = previous.TitleLeft;
    s.Request.TitleTop = previous.TitleTop;
    s.Request.TitleFont = previous.TitleFont;
    s.Request.TitleColour = previous.TitleColour;
    s.Request.TextBoxVisible = previous.TextBoxVisible;
    s.Request.TextBoxLeft = previous.TextBoxLeft;
    s.Request.TextBoxTop = previous.TextBoxTop;
    s.Request.TextBoxWidth = previous.TextBoxWidth;
    s.Request.TextBoxHeight = previous.TextBoxHeight;
    s.Request.ViewName = previous.ViewName;

    s.Low = useYearArgs ? year1 : NoRangeValue;
    s.High = useYearArgs ? year2 : NoRangeValue;
    s.Keywords = searchText;
    if (sql.isEmpty())
        ParseSearchText(searchText, s.Keywords, s.Low, s.High);
    s.DisplayLow = s.Low;
    s.DisplayHigh = s.High;
    // A whole number typed as the upper bound includes all of that unit.
    if (IsSet(s.High))
        s.High += 1;
    if (TooLarge(s.Low) || TooLarge(s.High)) {
        Dialogs().ShowMessage(TMsgKind::Warning, TooLargeNumberText(), QStringLiteral("Vezizivu"));
        return std::nullopt;
    }
    s.Keywords = s.Keywords.toUpper();
    return s;
}

void TSearchFlow::OpenEventQuery(const QString& sql, const QString& runSql) {
    TQuery& query = m_dm.qryEvent;
    query.Close();
    query.SetSQL(sql, runSql == sql ? QString() : runSql);
    query.Open();
}

int TSearchFlow::Select(TState& s) {
    TQuery& query = m_dm.qryEvent;
    const QString previousSql = query.SQL();
    const QString previousRun = query.RunSQL();
    const bool wasOpen = query.Active();
    try {
        return SelectRows(s);
    } catch (...) {
        // The display still shows the previous result: its query comes back with it.
        try {
            OpenEventQuery(previousSql, previousRun);
            if (!wasOpen)
                query.Close();
        } catch (...) {
        }
        throw;
    }
}

int TSearchFlow::SelectRows(TState& s) {
    TQuery& query = m_dm.qryEvent;
    if (IsSet(s.Low) || IsSet(s.High)) {
        // A single number shows the unit before and after it.
        if (IsSet(s.Low) && !IsSet(s.High)) {
            s.High = s.Low + 1;
            s.Low -= 1;
            s.DisplayHigh = s.DisplayLow + 1;
            s.DisplayLow -= 1;
        }
        const QString sql = s.Request.Sql().isEmpty()
                                ? m_sql.MakeSimpleSQL(s.Keywords, smSimpleWithRange, s.Low, s.High)
                                : s.Request.Sql();
        OpenEventQuery(sql, PlannedSearchSql(sql, m_dm.ffDB));
        const int count = query.RecordCount();
        if (OnCounted)
            OnCounted(count);
        return count;
    }
    const QString sql = s.Request.Sql().isEmpty()
                            ? m_sql.MakeSimpleSQL(s.Keywords, smSimpleNoRange, s.Low, s.High)
                            : s.Request.Sql();
    const QString planned = PlannedSearchSql(sql, m_dm.ffDB);
    // The count and the range of the result in one pass over the table, before the rows are read.
    TSqlStatement st = m_dm.ffDB.Prepare(
        QStringLiteral(
            "SELECT COUNT(*), MIN(Start), MAX(Start), MIN(\"End\"), MAX(\"End\") FROM (%1)")
            .arg(WithoutOrderBy(planned).trimmed()));
    int count = 0;
    std::optional<double> low, high;
    if (st.Step()) {
        count = int(st.ColumnInt64(0));
        for (int column = 1; column <= 4; ++column) {
            if (st.ColumnIsNull(column))
                continue;
            const double v = st.ColumnDouble(column);
            low = low ? std::min(*low, v) : v;
            high = high ? std::max(*high, v) : v;
        }
    }
    st.Finalize();
    s.Low = low.value_or(NoRangeValue);
    s.High = high.value_or(NoRangeValue);
    if (OnCounted)
        OnCounted(count);
    // Rows that are shown are read in stored order and sorted; a result too large to show opens
    // along the index, which gives its first row at once instead of sorting every row.
    OpenEventQuery(sql, count > m_timeline.Events().MaxEvents() ? sql : planned);
    query.SetCountedRows(count);
    return count;
}

TSearchFlow::TOutcome TSearchFlow::RunSearch(const QString& searchText, bool showFeedback,
                                             const QString& tags, double year2, double year1,
                                             bool useYearArgs, const QString& sql) {
    if (!m_dm.IsDatabaseOpen())
        return m_outcome = TOutcome::None;
    std::optional<TState> s =
        Prepare(searchText, showFeedback, tags, year2, year1, useYearArgs, sql);
    if (!s)
        return m_outcome = TOutcome::Stopped;
    TSearchScope scope(m_dm, m_view);
    const int count = Select(*s);
    m_state = std::move(*s);
    return m_outcome = Present(count);
}

TSearchFlow::TOutcome TSearchFlow::Present(int count) {
    const bool feedback = m_state.Request.ShowFeedback;
    if (count <= 0) {
        ClearDisplay();
        if (feedback && m_view) {
            m_view->SetNoResultsVisible(true);
            m_view->SetTooManyResultsVisible(false);
        }
        return TOutcome::NoResults;
    }
    if (count > m_timeline.Events().MaxEvents()) {
        ClearDisplay();
        if (feedback && m_view) {
            m_view->SetTooManyResultsVisible(true);
            m_view->SetNoResultsVisible(false);
        }
        return TOutcome::TooMany;
    }
    if (m_view) {
        m_view->SetNoResultsVisible(false);
        m_view->SetTooManyResultsVisible(false);
    }
    if (IsSet(m_state.DisplayLow))
        m_timeline.SetRange(m_state.DisplayHigh, m_state.DisplayLow);
    else
        m_timeline.SetRange(m_state.High, m_state.Low);
    m_timeline.Graph().Repaint();
    return TOutcome::Shown;
}

void TSearchFlow::ClearDisplay() {
    m_timeline.Events().Clear();
    m_timeline.Graph().Invalidate({});
    m_timeline.Graph().Repaint();
}

void TSearchFlow::Search() {
    RunSearch(SearchText(), true, QString(), NoRangeValue, NoRangeValue, false, QString());
}

void TSearchFlow::ShowAll() {
    SetSearchText(QString());
    RunSearch(QString(), false, QString(), NoRangeValue, NoRangeValue, false, QString());
    m_source = dsShowAll;
}

void TSearchFlow::RunAdvancedSearch(const TAdvancedSearch& c) {
    const QString sql =
        m_sql.MakeSQL(c.NameText, c.DescText, c.Tags, c.UseRange ? smFullWithRange : smFullNoRange,
                      c.Groups, c.Date1, c.Date2);
    if (c.UseRange)
        RunSearch(QString(), true, c.Tags, c.Date2, c.Date1, true, sql);
    else
        RunSearch(QString(), true, c.Tags, NoRangeValue, NoRangeValue, false, sql);
    SetTitleText(SearchDescription(c.NameText, c.DescText, c.Groups, c.UseRange));
    m_source = dsSearchDialog;
}

void TSearchFlow::AxisPick(const QString& valueText) {
    const int state = m_timeline.RangeZoomState();
    if (state == 0)
        return;
    const std::optional<std::pair<QString, QString>> range = m_timeline.RangeZoomPick(valueText);
    if (state == 2) {
        SetSearchText(valueText);
        m_state.Low = valueText.toDouble();
        return;
    }
    if (!range)
        return;
    SetSearchText(range->first + QStringLiteral(" - ") + range->second);
    m_state.High = range->second.toDouble();
    Search();
    m_source = dsAxisSelection;
}

QString TSearchFlow::ViewsPath() const {
    QString folder = m_dm.DatabaseFolder();
    if (folder.isEmpty())
        return {};
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + QStringLiteral("Views.ini");
}

void TSearchFlow::ShowView(const QString& name) {
    TProgressHider hider;
    SetStage(QStringLiteral("Loading view..."));
    if (name.isEmpty() || ViewsPath().isEmpty())
        return;
    TtlViews(ViewsPath()).LoadView(name, m_viewRequest, [this](int id) {
        return TtlEvent::EventNameByID(id, m_dm.tblEvent);
    });

    SetStage(QStringLiteral("Loading view (searching)..."));
    const TSearchRequest& r = m_viewRequest;
    RunSearch(r.Keywords, r.ShowFeedback, r.Tags(), r.Year2, r.Year1, r.UseYearArgs, r.Sql());

    SetStage(QStringLiteral("Loading view (retrieving events)..."));
    std::vector<TViewEventPosition> positions = DisplayedPositions();
    TtlViews(ViewsPath()).ApplyViewPositions(name, positions);
    const auto& events = m_timeline.Events().Items();
    for (size_t i = 0; i < positions.size() && i < events.size(); ++i) {
        TtlEvent& event = *events[i];
        if (event.X() != positions[i].X)
            event.SetX(positions[i].X);
        if (event.State() != positions[i].State)
            event.SetState(positions[i].State);
    }

    SetStage(QStringLiteral("Loading view (displaying events)..."));
    ApplyViewDecorations(m_viewRequest);

    SetStage(QStringLiteral("Loading view (refrshing display)..."));
    m_timeline.Events().RepositionAll();
    m_timeline.Events().LayoutChanged();
    m_timeline.Graph().Invalidate({});
    m_timeline.Graph().Repaint();
    m_source = dsView;
}

void TSearchFlow::ReloadCurrentView() {
    ShowView(SelectedView());
}

void TSearchFlow::ApplyViewDecorations(const TSearchRequest& r) {
    TViewDecorations& d = m_decorations;
    d.TextBox = r.TextBox;
    d.TextBoxLeft = r.TextBoxLeft;
    d.TextBoxTop = r.TextBoxTop;
    d.TextBoxWidth = r.TextBoxWidth;
    d.TextBoxHeight = r.TextBoxHeight;
    d.TextBoxVisible = r.TextBoxVisible;
    d.Title = r.Title;
    d.TitleVisible = r.TitleVisible;
    if (!r.TitleFont.isEmpty())
        d.TitleFont = r.TitleFont;
    d.TitleLeft = r.TitleLeft;
    d.TitleTop = r.TitleTop;
    if (!r.TitleColour.isEmpty())
        d.TitleColour = r.TitleColour;
    if (m_view)
        m_view->ApplyViewDecorations(d);
}

void TSearchFlow::SetTitleText(const QString& text) {
    m_decorations.Title = text;
    if (m_view)
        m_view->SetTitleText(text);
}

TViewDecorations TSearchFlow::DisplayedDecorations() const {
    TViewDecorations d = m_decorations;
    if (m_view)
        m_view->ReadViewDecorations(d);
    return d;
}

std::vector<TViewEventPosition> TSearchFlow::DisplayedPositions() const {
    std::vector<TViewEventPosition> positions;
    positions.reserve(m_timeline.Events().Items().size());
    for (const auto& event : m_timeline.Events().Items())
        positions.push_back({event->ID(), event->X(), event->State()});
    return positions;
}

QStringList TSearchFlow::BlownAwayLabels() const {
    QStringList labels;
    for (const auto& event : m_timeline.Events().Items())
        if (event->State() == 2)
            labels << event->Label().Text();
    return labels;
}

QStringList TSearchFlow::GroupNames() const {
    TTable& groups = m_dm.tblCategory;
    QStringList names;
    if (!groups.Active())
        return names;
    struct TKeepRow {
        TTable& Table;
        int Row;
        ~TKeepRow() {
            try {
                if (Row > 0)
                    Table.SetRecNo(Row);
            } catch (...) {
            }
            Table.EnableControls();
        }
    };
    groups.DisableControls();
    TKeepRow keep{groups, groups.RecNo()};
    const int nameField = groups.FieldIndex(QStringLiteral("Name"));
    for (groups.First(); !groups.Eof(); groups.Next()) {
        const QString name = groups.Value(nameField).toString();
        if (!names.contains(name))
            names << name;
    }
    return names;
}

void TSearchFlow::FillViewsList() {
    const QString path = ViewsPath();
    m_viewNames = path.isEmpty() ? QStringList() : TtlViews(path).ListViews();
    m_selected = -1;
    NotifyViewsList();
}

void TSearchFlow::SetSelectedIndex(int index) {
    m_selected = index >= 0 && index < m_viewNames.size() ? index : -1;
    NotifyViewsList();
}

void TSearchFlow::SelectView(const QString& name) {
    m_selected = -1;
    for (int i = 0; i < m_viewNames.size(); ++i)
        if (m_viewNames[i].compare(name, Qt::CaseInsensitive) == 0) {
            m_selected = i;
            break;
        }
    NotifyViewsList();
}

void TSearchFlow::NotifyViewsList() {
    if (m_view)
        m_view->ViewsListChanged(m_viewNames, m_selected);
}

void TSearchFlow::SaveHomeView() {
    const QString path = ViewsPath();
    if (path.isEmpty())
        return;
    TtlViews(path).SaveView(TtlViews::HomeView(), false, m_state.Request, DisplayedPositions());
    FillViewsList();
    SelectView(TtlViews::HomeView());
    m_source = dsView;
}

void TSearchFlow::ShowHomeView() {
    ShowView(TtlViews::HomeView());
    SelectView(TtlViews::HomeView());
}

void TSearchFlow::TimelineClosed() {
    SetSearchText(QString());
    // A new timeline's Home view is saved from the current request: nothing of the closed
    // timeline's search may reach it.
    m_state = TState();
    m_state.Request.Clear();
    m_viewRequest = TSearchRequest();
    m_viewRequest.Clear();
    m_decorations = TViewDecorations();
    m_viewNames.clear();
    m_selected = -1;
    m_outcome = TOutcome::None;
    NotifyViewsList();
}
