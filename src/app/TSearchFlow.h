// The way events reach the display: the search routine RunSearch with its notices, "Search...",
// "Show All", the search dialog's search, the range picked on the axis, and the views — showing
// one with its stages, the Home view of a new or opened timeline, and the list of view names
// the view selector shows.
//
// The document owns one; the main window and the command-line tool both go through it, so a
// search or a view shows the same events in either. Window parts (the notices, the selector,
// the title and introduction box) are reached through the document's view, when there is one.
#pragma once

#include "search/AdvancedSearch.h"
#include "search/DisplaySource.h"
#include "search/SQLDataMod.h"
#include "search/SearchClass.h"
#include "search/SearchFormPersistence.h"
#include "search/ViewDecorations.h"
#include "search/Views.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class TDocumentView;
class TTimeLine;
class TdtmMain;

class TSearchFlow {
public:
    // How the last search ended.
    enum class TOutcome { None, Stopped, Shown, TooMany, NoResults };

    TSearchFlow(TdtmMain& dm, TTimeLine& timeline);
    TSearchFlow(const TSearchFlow&) = delete;
    TSearchFlow& operator=(const TSearchFlow&) = delete;

    void SetView(TDocumentView* view) { m_view = view; }

    // Selects the events to show: the request's criteria, the query opened with them, the
    // result counted against the maximum number of events, then the display loaded, or
    // cleared with the too-many or the no-results notice (when showFeedback). Bounds beyond
    // ±999999999 stop it with "Too large number." and leave the display as it was; a query the
    // engine rejects throws, with the previous query, display and notices kept. Nothing happens
    // while no timeline is open.
    TOutcome RunSearch(const QString& searchText, bool showFeedback, const QString& tags,
                       double year2, double year1, bool useYearArgs, const QString& sql);
    TOutcome LastOutcome() const { return m_outcome; }
    // Told the number of events a search selected as soon as it is known, before the display
    // is loaded (benchmarks time a search by it).
    std::function<void(int count)> OnCounted;

    // "Search...": the search text again.
    void Search();
    // "Show All": every event, without notices.
    void ShowAll();
    // The search dialog's OK: its query, the search description as the title text.
    void RunAdvancedSearch(const TAdvancedSearch& criteria);
    // A click on the surface while a range is being picked on the axis: the second pick
    // searches the range.
    void AxisPick(const QString& valueText);

    // Loads a stored view: its search, its event positions and states, its title and box.
    void ShowView(const QString& name);
    // ShowView with the view selected in the list.
    void ReloadCurrentView();

    // The view names the selector shows, in order, and the selected one (-1 / empty: none).
    void FillViewsList();
    const QStringList& ViewNames() const { return m_viewNames; }
    int SelectedIndex() const { return m_selected; }
    QString SelectedView() const { return m_viewNames.value(m_selected); }
    void SetSelectedIndex(int index);
    // Selects `name` (letter case ignored); none when it is not listed.
    void SelectView(const QString& name);

    // File sequences: the Home view saved after New, shown after Open; the search at the end of
    // a load; everything of the closed timeline forgotten; the search dialog's fields deleted.
    void SaveHomeView();
    void ShowHomeView();
    void SearchAfterLoad() { Search(); }
    void TimelineClosed();
    void ResetAdvancedSearch() { m_searchForm.Delete(); }

    // "Views.ini" of the working folder.
    QString ViewsPath() const;

    // The state the window and the view editor read.
    QString SearchText() const;
    void SetSearchText(const QString& text);
    const TSearchRequest& CurrentRequest() const { return m_state.Request; }
    const TSearchRequest& ViewRequest() const { return m_viewRequest; }
    const QString& Keywords() const { return m_state.Keywords; }
    double Low() const { return m_state.Low; }
    double High() const { return m_state.High; }
    double DisplayLow() const { return m_state.DisplayLow; }
    double DisplayHigh() const { return m_state.DisplayHigh; }
    TDisplaySource DisplaySource() const { return m_source; }
    void SetDisplaySource(TDisplaySource source) { m_source = source; }
    TdtmSQL& SqlBuilder() { return m_sql; }
    TSearchFormPersistence& SearchForm() { return m_searchForm; }

    // The distinct group names of the group table in table order (its current row kept).
    QStringList GroupNames() const;
    // What the display shows now: every displayed event's position and state, the label texts
    // of the blown-away events, the title and the introduction box.
    std::vector<TViewEventPosition> DisplayedPositions() const;
    QStringList BlownAwayLabels() const;
    TViewDecorations DisplayedDecorations() const;
    // The title text (the search dialog's description of its search).
    void SetTitleText(const QString& text);

    // The program's texts.
    static QString NoResultsText() { return QStringLiteral("No results."); }
    static QString TooManyResultsTitle() {
        return QStringLiteral("Too many results. Refine your search.");
    }
    static QString TooManyResultsText();
    static QString TooLargeNumberText() { return QStringLiteral("Too large number."); }

private:
    struct TState {
        TSearchRequest Request;
        QString Keywords;
        double Low = NoRangeValue, High = NoRangeValue;
        double DisplayLow = NoRangeValue, DisplayHigh = NoRangeValue;
    };
    std::optional<TState> Prepare(const QString& searchText, bool showFeedback, const QString& tags,
                                  double year2, double year1, bool useYearArgs, const QString& sql);
    int Select(TState& state);
    int SelectRows(TState& state);
    TOutcome Present(int count);
    void OpenEventQuery(const QString& sql, const QString& runSql);
    void ClearDisplay();
    void ApplyViewDecorations(const TSearchRequest& request);
    void NotifyViewsList();

    TdtmMain& m_dm;
    TTimeLine& m_timeline;
    TDocumentView* m_view = nullptr;
    TdtmSQL m_sql;
    TState m_state;
    TSearchRequest m_viewRequest;
    TSearchFormPersistence m_searchForm;
    TDisplaySource m_source = dsNone;
    TOutcome m_outcome = TOutcome::None;
    QStringList m_viewNames;
    int m_selected = -1;
    TViewDecorations m_decorations;
};
