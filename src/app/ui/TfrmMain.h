// The main window. It owns the document (data module, timeline control, file sequences,
// settings), the command registry with the ribbon, the progress window, the folder object and
// the pages:
//   tshNoFileOpen  the welcome page, while no timeline is open
//   tshTimeline    the open timeline: TimelineHost() holds the timeline control, with three
//                  overlay panels (pnlNoResults, pnlTooManyResults, pnlNewTimeline)
//   tshSel, tshText the event detail pages (picture and text layout)
// Under the ribbon sit the two tool panels (pnlTimelineTools with the views list and the zoom,
// pnlEventTools with Previous, Next and Back); the status bar is hidden.
//
// Showing a page sets the ribbon's button set; commands respond once their handler is set in the
// registry (Actions().SetHandler).
#pragma once

#include "app/DocumentView.h"
#include "app/TActionRegistry.h"
#include "app/TimelineDocument.h"

#include <QMainWindow>

#include <exception>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QSlider;
class QStackedWidget;
class TIO;
class TProgress;
class TRibbon;
class TfrmHelp;
class TfrmProgress;
struct TViewEditorContext;

class TfrmMain : public QMainWindow, public TDocumentView {
    Q_OBJECT
public:
    // `arguments` is the command line, the program first.
    explicit TfrmMain(const QStringList& arguments, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TTimelineDocument& Document() { return m_doc; }
    TActionRegistry& Actions() { return m_actions; }
    TRibbon& Ribbon() { return *m_ribbon; }
    TIO& IO() { return *m_io; }
    TfrmProgress& ProgressWindow() { return *m_progress; }
    bool HintsOn() const;

    // Pages and panels.
    QStackedWidget* pgcMain;
    QWidget* tshNoFileOpen;
    QWidget* tshTimeline;
    QWidget* tshSel;
    QWidget* tshText;
    QWidget* pnlNoResults;
    QWidget* pnlTooManyResults;
    QWidget* pnlNewTimeline;
    QWidget* pnlTimelineTools;
    QWidget* pnlEventTools;
    QComboBox* cmbViews;
    QSlider* trkZoom;
    QLabel* lblMessages;
    // The area of the timeline page that holds the timeline control.
    QWidget* TimelineHost() const { return m_timelineHost; }
    // Places the timeline control in the timeline page, under the overlay panels.
    void SetTimelineWidget(QWidget* widget);
    // The status bar's panels 0, 1 and 2.
    QLabel* StatusPanel(int index) const;

    // Makes `page` active with its ribbon set and tool panels.
    void ShowPage(QWidget* page);
    QWidget* ActivePage() const;

    // The steps of showing the main window the first time: the command-line timeline, the
    // detail page made once, and the first-run step queued. Run by the first show.
    void FormShow();
    // The first-run step: maximises the window and stores "HasBeenRun" on the first start.
    void FirstRunStep();
    // The end: writes the defaults file, tidies the working folder and stores the last used
    // folder. Runs once, after the main loop (or when the window is destroyed).
    void FormDestroy();

    // The application-wide error handler: shows the error window; the operation is abandoned
    // and the program goes on unless the user asks to close it.
    void HandleError(const std::exception& error);
    // What shows the error text; returns true when the user asked to close the program.
    // The default shows TfrmErrorDialog.
    void SetErrorPresenter(std::function<bool(const QString& text)> presenter) { m_errorPresenter = std::move(presenter); }

    // Applies the selected view again and re-ticks the display commands.
    void ReloadCurrentView();
    // Offered when the window closes, unless "ShowFeedback" is "0" (the feedback work sets it).
    std::function<void()> OfferFeedback;

    void OpenHelpTopic(const QString& topic);

    // TDocumentView
    void UpdateCaption() override;
    void ShowTimelinePage() override;
    void SetRedraw(bool on) override;
    void Repaint() override;
    void ShowNewTimelinePanel(bool show) override;
    void ClearSearchAndEntry() override;
    void SetReadOnlyCopy(bool readOnlyCopy) override;
    QString DialogFolder() const override { return m_dialogFolder; }
    void SetLastUsedFolder(const QString& folder) override;
    void SettingsRead(bool timelineMode) override;
    void SetNoResultsVisible(bool visible) override;
    void SetTooManyResultsVisible(bool visible) override;
    void ViewsListChanged(const QStringList& names, int selected) override;
    void SetTitleText(const QString& text) override;
    void ApplyViewDecorations(const TViewDecorations& decorations) override;

    // The title text the last search or view gave the timeline (shown once the title exists).
    const QString& TitleText() const { return m_titleText; }

    static QString NoViewSelectedText() { return QStringLiteral("There is no view selected."); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildWelcomePage();
    QWidget* BuildTimelinePage();
    QWidget* BuildDetailPage(const QString& name, const QString& caption);
    QWidget* BuildTimelineTools();
    QWidget* BuildEventTools();
    void WireCommands();
    void SyncTicks();
    void UpdatePlaceholder();

    void CmdOpen();
    void CmdClose();
    void CmdPasswordProtection();
    void CmdProperties();
    void CmdOptions();
    void CmdAbout();
    void CmdAdvSearch();
    void CmdManageViews();
    void CmdEditView();
    void CmdUpdateView();
    void ViewSelected(int index);
    // What the view editor is given for `viewName` (empty: a new view).
    TViewEditorContext ViewEditorContext(const QString& viewName);
    // Runs the view editor; true when it saved.
    bool RunViewEditor(const QString& viewName);

    TTimelineDocument m_doc;
    TActionRegistry m_actions;
    TRibbon* m_ribbon;
    TfrmProgress* m_progress;
    TProgress* m_previousProgress;
    TfrmHelp* m_help = nullptr;
    std::unique_ptr<TIO> m_io;
    QWidget* m_timelineHost;
    QLabel* m_placeholder;
    class TTimeLineView* m_timelineView = nullptr;
    QStringList m_arguments;
    QString m_dialogFolder;
    bool m_shown = false;
    bool m_destroyed = false;
    bool m_closeNow = false;
    bool m_legendVisible = false;
    QString m_titleText;
    int m_redrawOff = 0;
    std::function<bool(const QString&)> m_errorPresenter;
};
