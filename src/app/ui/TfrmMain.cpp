#include "app/ui/TfrmMain.h"

#include "display/ui/TTimeLineView.h"

#include "app/ApplicationTitle.h"
#include "app/ErrorReport.h"
#include "app/UserFolders.h"
#include "app/ui/TRibbon.h"
#include "app/ui/TfrmErrorDialog.h"
#include "app/ui/TfrmHelp.h"
#include "app/ui/TfrmNotification.h"
#include "app/ui/TfrmOptions.h"
#include "app/ui/TfrmProgress.h"
#include "app/ui/TfrmProperties.h"
#include "common/Dialogs.h"
#include "common/Errors.h"
#include "display/TtlEvent.h"
#include "search/ViewEditorContext.h"
#include "search/ui/TModalRunner.h"
#include "search/ui/TfrmAdvSearch.h"
#include "search/ui/TfrmView2.h"
#include "search/ui/TfrmViews.h"
#include "storage/IO.h"
#include "time/UnitTable.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QSettings>
#include <QSlider>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

using enum TCommandId;

namespace {
constexpr TCommandId kUnitCommands[UnitSystemCount] = {
    actUnitsYearsAndMonths, actUnitsYearsAndWeeks,       actUnitsDaysAndHours,         actUnitsHoursAndMinutes,
    actUnitsSteps,          actUnitsKilometresAndMetres, actUnitsMetresAndCentimetres, actUnitsCalendarDates};

QLabel* Link(const QString& text, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#1f5fae; text-decoration:none;\">%1</a>")
                                 .arg(text.toHtmlEscaped()),
                             parent);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// The welcome page's picture: a small timeline with a few events.
QPixmap WelcomePicture() {
    QPixmap pixmap(420, 170);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient axis(0, 0, 420, 0);
    axis.setColorAt(0, QColor(43, 87, 154));
    axis.setColorAt(1, QColor(0, 120, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(axis);
    p.drawRoundedRect(QRectF(10, 120, 400, 14), 7, 7);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    for (int x = 50; x < 410; x += 60)
        p.drawLine(QPointF(x, 123), QPointF(x, 131));
    const struct {
        double X, W, Y;
        QColor C;
    } bars[] = {{30, 120, 28, QColor(110, 190, 230)},  {120, 160, 56, QColor(240, 180, 80)},
                {250, 110, 84, QColor(150, 200, 120)}, {300, 90, 28, QColor(220, 120, 140)}};
    for (const auto& b : bars) {
        p.setPen(QPen(b.C.darker(140), 1.2));
        p.setBrush(b.C);
        p.drawRoundedRect(QRectF(b.X, b.Y, b.W, 18), 4, 4);
        p.setPen(QPen(QColor(120, 130, 145), 1, Qt::DotLine));
        p.drawLine(QPointF(b.X, b.Y + 18), QPointF(b.X, 120));
    }
    return pixmap;
}
} // namespace

TfrmMain::TfrmMain(const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), m_arguments(arguments) {
    setObjectName(QStringLiteral("frmMain"));
    m_doc.SetView(this);
    m_doc.SetPersonalFolder(PersonalFolder());
    SetApplicationTitle(MainTitle());

    // The ribbon, the tool panels under it and the pages.
    m_ribbon = new TRibbon(m_actions, this);
    pgcMain = new QStackedWidget(this);
    pgcMain->setObjectName(QStringLiteral("pgcMain"));
    tshNoFileOpen = BuildWelcomePage();
    tshTimeline = BuildTimelinePage();
    tshSel = BuildDetailPage(QStringLiteral("tshSel"), QStringLiteral("Event details"));
    tshText = BuildDetailPage(QStringLiteral("tshText"), QStringLiteral("Event text"));
    for (QWidget* page : {tshNoFileOpen, tshTimeline, tshSel, tshText})
        pgcMain->addWidget(page);

    auto* tools = new QWidget(this);
    tools->setObjectName(QStringLiteral("pnlTools"));
    auto* toolRow = new QHBoxLayout(tools);
    toolRow->setContentsMargins(8, 2, 8, 2);
    toolRow->addStretch(1);
    pnlTimelineTools = BuildTimelineTools();
    pnlEventTools = BuildEventTools();
    toolRow->addWidget(pnlTimelineTools);
    toolRow->addWidget(pnlEventTools);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_ribbon);
    column->addWidget(tools);
    column->addWidget(pgcMain, 1);
    setCentralWidget(central);

    // Status bar: three panels, hidden in normal use.
    for (int width : {100, 700, 150}) {
        auto* panel = new QLabel(statusBar());
        panel->setMinimumWidth(width);
        statusBar()->addWidget(panel);
    }
    statusBar()->hide();
    m_doc.Data().Seams.StatusText = [this](const QString& text) { StatusPanel(0)->setText(text); };
    m_doc.Data().Seams.EventInserted = [this] { ShowNewTimelinePanel(false); };

    m_doc.Timeline().Seams.ReloadCurrentView = [this] { ReloadCurrentView(); };

    m_timelineView = new TTimeLineView(m_doc.Timeline(), m_timelineHost);
    SetTimelineWidget(m_timelineView);

    m_progress = new TfrmProgress(this);
    m_previousProgress = SetProgress(m_progress);

    WireCommands();
    m_actions.SetErrorHandler([this](const std::exception& e) { HandleError(e); });
    ShowPage(tshNoFileOpen);

    // Window placement, then the defaults file (options, My Timelines, display defaults).
    const QSettings placement(QStringLiteral("Corvane"), QStringLiteral("Vezizivu"));
    if (!restoreGeometry(placement.value(QStringLiteral("MainWindow/Geometry")).toByteArray()))
        resize(1100, 720);
    try {
        m_doc.ReadSettings(DefaultSettingsPath(), false);
    } catch (const EVzError& e) {
        // An unreadable defaults file leaves the built-in settings; it is rewritten at the end.
        Dialogs().Error(e.Message());
    }
    UpdateCaption();

    QString myTimelines = m_doc.AppOptions().MyTimelinesFolder;
    if (myTimelines.isEmpty())
        myTimelines = DefaultMyTimelinesFolder(m_doc.PersonalFolder());
    EnsureUserFolders(m_doc.PersonalFolder(), myTimelines);
    m_io = std::make_unique<TIO>(myTimelines);
    m_dialogFolder = m_io->InitialFolder();
    m_ribbon->setCurrentIndex(int(TRibbonTab::File));
}

TfrmMain::~TfrmMain() {
    try {
        FormDestroy();
    } catch (...) {
        // Nothing can be reported while the window goes.
    }
    SetProgress(m_previousProgress);
    m_doc.SetView(nullptr);
    // The view shows the document's timeline, which goes with the document before the child
    // widgets: the view goes first.
    delete m_timelineView;
}

bool TfrmMain::HintsOn() const {
    return m_doc.AppOptions().HintsOn;
}

QWidget* TfrmMain::BuildWelcomePage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tshNoFileOpen"));
    page->setAutoFillBackground(true);
    QPalette palette = page->palette();
    palette.setColor(QPalette::Window, Qt::white);
    page->setPalette(palette);
    auto* layout = new QVBoxLayout(page);
    layout->addStretch(2);
    auto* heading = new QLabel(QStringLiteral("What would you like to do?"), page);
    heading->setObjectName(QStringLiteral("lblHeading"));
    QFont f = heading->font();
    f.setPointSizeF(f.pointSizeF() * 2.0);
    heading->setFont(f);
    heading->setStyleSheet(QStringLiteral("color: #1f3b63;"));
    heading->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading);
    auto* hint = new QLabel(QStringLiteral("Create a new timeline or open one from the File tab above."), page);
    hint->setAlignment(Qt::AlignCenter);
    hint->setStyleSheet(QStringLiteral("color: #5a6472;"));
    layout->addWidget(hint);
    layout->addSpacing(18);
    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("imgWelcome"));
    picture->setPixmap(WelcomePicture());
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    layout->addSpacing(18);
    auto* more = new QLabel(QStringLiteral("More Options..."), page);
    more->setObjectName(QStringLiteral("lblMoreOptions"));
    more->setAlignment(Qt::AlignCenter);
    QFont mf = more->font();
    mf.setBold(true);
    more->setFont(mf);
    layout->addWidget(more);
    auto* help = Link(QStringLiteral("Help and Tutorials"), page);
    help->setObjectName(QStringLiteral("lnkHelpAndTutorials"));
    help->setAlignment(Qt::AlignCenter);
    connect(help, &QLabel::linkActivated, this, [this] { OpenHelpTopic(QStringLiteral("Help and Tutorials")); });
    layout->addWidget(help);
    layout->addStretch(3);
    return page;
}

QWidget* TfrmMain::BuildTimelinePage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tshTimeline"));
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);

    m_timelineHost = new QWidget(page);
    m_timelineHost->setObjectName(QStringLiteral("pnlTimelineHost"));
    auto* hostLayout = new QVBoxLayout(m_timelineHost);
    hostLayout->setContentsMargins(0, 0, 0, 0);
    m_placeholder = new QLabel(m_timelineHost);
    m_placeholder->setObjectName(QStringLiteral("lblTimelinePlaceholder"));
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_placeholder->setStyleSheet(QStringLiteral("background: #eef1f5; color: #5a6472;"));
    hostLayout->addWidget(m_placeholder);
    grid->addWidget(m_timelineHost, 0, 0);

    auto panel = [page](const QString& name) {
        auto* w = new QFrame(page);
        w->setObjectName(name);
        w->setFrameShape(QFrame::StyledPanel);
        w->setStyleSheet(QStringLiteral("QFrame#%1 { background: #fffdf3; border: 1px solid #d9cf9f; border-radius: 4px; }").arg(name));
        w->hide();
        return w;
    };
    pnlNoResults = panel(QStringLiteral("pnlNoResults"));
    auto* noResults = new QVBoxLayout(pnlNoResults);
    noResults->setContentsMargins(24, 16, 24, 16);
    noResults->addWidget(new QLabel(TSearchFlow::NoResultsText(), pnlNoResults));
    grid->addWidget(pnlNoResults, 0, 0, Qt::AlignCenter);

    pnlTooManyResults = panel(QStringLiteral("pnlTooManyResults"));
    pnlTooManyResults->setMaximumWidth(520);
    auto* tooMany = new QVBoxLayout(pnlTooManyResults);
    tooMany->setContentsMargins(24, 16, 24, 16);
    auto* tooManyTitle = new QLabel(TSearchFlow::TooManyResultsTitle(), pnlTooManyResults);
    QFont tf = tooManyTitle->font();
    tf.setBold(true);
    tooManyTitle->setFont(tf);
    auto* tooManyText = new QLabel(TSearchFlow::TooManyResultsText(), pnlTooManyResults);
    tooManyText->setWordWrap(true);
    tooMany->addWidget(tooManyTitle);
    tooMany->addWidget(tooManyText);
    grid->addWidget(pnlTooManyResults, 0, 0, Qt::AlignCenter);

    // A new, empty timeline: a white panel with a picture and where to start.
    pnlNewTimeline = new QWidget(page);
    pnlNewTimeline->setObjectName(QStringLiteral("pnlNewTimeline"));
    pnlNewTimeline->setAutoFillBackground(true);
    QPalette white = pnlNewTimeline->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlNewTimeline->setPalette(white);
    auto* fresh = new QVBoxLayout(pnlNewTimeline);
    fresh->addStretch(2);
    auto* freshPicture = new QLabel(pnlNewTimeline);
    freshPicture->setPixmap(WelcomePicture());
    freshPicture->setAlignment(Qt::AlignCenter);
    fresh->addWidget(freshPicture);
    auto* freshText = new QLabel(QStringLiteral("Your new timeline is empty."), pnlNewTimeline);
    QFont ff = freshText->font();
    ff.setPointSizeF(ff.pointSizeF() * 1.5);
    freshText->setFont(ff);
    freshText->setStyleSheet(QStringLiteral("color: #1f3b63;"));
    freshText->setAlignment(Qt::AlignCenter);
    fresh->addSpacing(12);
    fresh->addWidget(freshText);
    auto* freshHint = new QLabel(QStringLiteral("Add its first event with New Event on the Edit tab."), pnlNewTimeline);
    freshHint->setStyleSheet(QStringLiteral("color: #5a6472;"));
    freshHint->setAlignment(Qt::AlignCenter);
    fresh->addWidget(freshHint);
    fresh->addStretch(3);
    pnlNewTimeline->hide();
    grid->addWidget(pnlNewTimeline, 0, 0);
    return page;
}

QWidget* TfrmMain::BuildDetailPage(const QString& name, const QString& caption) {
    auto* page = new QWidget(this);
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    auto* label = new QLabel(caption, page);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: #5a6472;"));
    layout->addWidget(label);
    return page;
}

QWidget* TfrmMain::BuildTimelineTools() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlTimelineTools"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 2, 0, 2);
    row->setSpacing(8);
    auto* help = Link(QStringLiteral("Help"), panel);
    connect(help, &QLabel::linkActivated, this, [this] { OpenHelpTopic(QStringLiteral("Vezizivu")); });
    row->addWidget(help);
    lblMessages = new QLabel(QStringLiteral("Messages"), panel);
    lblMessages->setObjectName(QStringLiteral("lblMessages"));
    lblMessages->setStyleSheet(QStringLiteral("color: #5a6472;"));
    row->addWidget(lblMessages);
    row->addSpacing(12);
    row->addWidget(new QLabel(QStringLiteral("Views"), panel));
    cmbViews = new QComboBox(panel);
    cmbViews->setObjectName(QStringLiteral("cmbViews"));
    cmbViews->setMinimumWidth(160);
    cmbViews->setToolTip(QStringLiteral("Show a saved view"));
    connect(cmbViews, &QComboBox::activated, this, &TfrmMain::ViewSelected);
    row->addWidget(cmbViews);
    row->addSpacing(12);
    row->addWidget(new QLabel(QStringLiteral("Zoom"), panel));
    trkZoom = new QSlider(Qt::Horizontal, panel);
    trkZoom->setObjectName(QStringLiteral("trkZoom"));
    trkZoom->setToolTip(QStringLiteral("Expand Vezizivu - use scrollbars"));
    trkZoom->setFixedWidth(140);
    row->addWidget(trkZoom);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel, &QWidget::customContextMenuRequested, this, [this, panel](const QPoint& at) {
        QMenu menu;
        QAction* publish = menu.addAction(QStringLiteral("Publish to Web..."));
        publish->setEnabled(m_actions.IsEnabled(actPublishToWeb));
        if (menu.exec(panel->mapToGlobal(at)) == publish)
            m_actions.Trigger(actPublishToWeb);
    });
    return panel;
}

QWidget* TfrmMain::BuildEventTools() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlEventTools"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 2, 0, 2);
    for (TCommandId id : {actPrevious, actNext, actBack}) {
        auto* button = new QToolButton(panel);
        button->setDefaultAction(m_actions.Action(id));
        row->addWidget(button);
    }
    auto* help = Link(QStringLiteral("Help"), panel);
    connect(help, &QLabel::linkActivated, this, [this] { OpenHelpTopic(QStringLiteral("Text View")); });
    row->addWidget(help);
    return panel;
}

void TfrmMain::SetTimelineWidget(QWidget* widget) {
    m_placeholder->hide();
    m_timelineHost->layout()->addWidget(widget);
}

QLabel* TfrmMain::StatusPanel(int index) const {
    return statusBar()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).value(index);
}

void TfrmMain::WireCommands() {
    TTimelineFile& file = m_doc.File();
    m_actions.SetHandler(actNew, [&file] { file.NewTimeline(); });
    m_actions.SetHandler(actOpen, [this] { CmdOpen(); });
    m_actions.SetHandler(actSave, [&file] { file.SaveTimeline(false); });
    m_actions.SetHandler(actSaveAs, [&file] { file.SaveTimeline(true); });
    m_actions.SetHandler(actClose, [this] { CmdClose(); });
    m_actions.SetHandler(FileExit1, [this] { close(); });
    m_actions.SetHandler(actPasswordProtection, [this] { CmdPasswordProtection(); });
    m_actions.SetHandler(actProperties, [this] { CmdProperties(); });
    m_actions.SetHandler(actSetAsDef, [this] { m_doc.SetCurrentSettingsAsDefault(); });
    m_actions.SetHandler(actOptions, [this] { CmdOptions(); });
    m_actions.SetHandler(actShowHints, [this] {
        m_doc.AppOptions().HintsOn = !m_doc.AppOptions().HintsOn;
        m_actions.SetChecked(actShowHints, m_doc.AppOptions().HintsOn);
    });
    m_actions.SetHandler(actHelp, [this] { OpenHelpTopic(QStringLiteral("Help")); });
    m_actions.SetHandler(actAbout, [this] { CmdAbout(); });
    m_actions.SetHandler(actBack, [this] { ShowPage(tshTimeline); });
    m_actions.SetHandler(actShowTimeline, [this] {
        trkZoom->setEnabled(true);
        ShowPage(tshTimeline);
        m_doc.ShowTimelinePage();
    });
    TSearchFlow& flow = m_doc.SearchFlow();
    m_actions.SetHandler(actSearch, [&flow] { flow.Search(); });
    m_actions.SetHandler(actShowAll, [&flow] { flow.ShowAll(); });
    m_actions.SetHandler(actAdvSearch, [this] { CmdAdvSearch(); });
    m_actions.SetHandler(actManageViews, [this] { CmdManageViews(); });
    m_actions.SetHandler(actEditView, [this] { CmdEditView(); });
    m_actions.SetHandler(actUpdateViewFromDisplay, [this] { CmdUpdateView(); });
    m_actions.SetHandler(actZoomQuery, [this] { m_doc.Timeline().StartRangeZoomOnce(); });
    for (int code = 0; code < UnitSystemCount; ++code)
        m_actions.SetHandler(kUnitCommands[code], [this, code] { m_doc.ChangeUnitSystem(TUnitSystem(code)); });
    if (auto* units = qobject_cast<QToolButton*>(m_ribbon->Button(mnuUnits)))
        connect(units->menu(), &QMenu::aboutToShow, this, &TfrmMain::SyncTicks);
}

void TfrmMain::CmdOpen() {
    TFileDialogOptions options;
    options.Filter = QStringLiteral("Timelines (*.tml)|*.TML|Any file (*.*)|*.*");
    options.DefaultExt = QStringLiteral("tml");
    options.InitialFolder = m_dialogFolder;
    const std::optional<QString> path = Dialogs().OpenFileName(options);
    if (!path || path->isEmpty())
        return;
    if (m_doc.File().OpenTimeline(*path))
        ReloadCurrentView();
}

void TfrmMain::CmdClose() {
    if (m_doc.File().CloseTimeline())
        ShowPage(tshNoFileOpen);
}

void TfrmMain::CmdPasswordProtection() {
    m_actions.SetChecked(actPasswordProtection, m_doc.PasswordProtectionClicked(m_actions.IsChecked(actPasswordProtection)));
}

void TfrmMain::CmdProperties() {
    TfrmProperties dialog(m_doc, this);
    if (dialog.exec() == QDialog::Accepted)
        dialog.Apply();
    SyncTicks();
}

void TfrmMain::CmdOptions() {
    const TSettingsParts parts = m_doc.SettingsParts();
    TfrmOptions dialog(m_doc.AppOptions(), *parts.Events, this);
    connect(&dialog, &TfrmOptions::HelpRequested, this, &TfrmMain::OpenHelpTopic);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.Apply();
    ReloadCurrentView();
}

void TfrmMain::CmdAbout() {
    Dialogs().ShowMessage(TMsgKind::Information,
                          MainTitle() + QStringLiteral(" - Vezizivu ") + QStringLiteral(VZ_VERSION) +
                              QStringLiteral("\r\n\r\nBuild and view timelines.\r\n\r\nCorvane"),
                          QStringLiteral("About Vezizivu"));
}

void TfrmMain::OpenHelpTopic(const QString& topic) {
    if (!m_help)
        m_help = new TfrmHelp(this);
    m_help->ShowTopic(topic);
}

void TfrmMain::ReloadCurrentView() {
    if (!m_doc.Timeline().FileName().isEmpty())
        m_doc.SearchFlow().ReloadCurrentView();
    SyncTicks();
}

void TfrmMain::ViewSelected(int index) {
    try {
        m_doc.SearchFlow().SetSelectedIndex(index);
        ReloadCurrentView();
    } catch (const std::exception& e) {
        HandleError(e);
    }
}

TViewEditorContext TfrmMain::ViewEditorContext(const QString& viewName) {
    TSearchFlow& flow = m_doc.SearchFlow();
    TViewEditorContext c;
    c.ViewName = viewName;
    c.ViewsPath = flow.ViewsPath();
    c.Units = m_doc.Timeline().Units();
    c.GroupNames = flow.GroupNames();
    c.SqlBuilder = &flow.SqlBuilder();
    c.Low = flow.Low();
    c.High = flow.High();
    c.Source = flow.DisplaySource();
    c.ViewRequest = flow.ViewRequest();
    c.EventName = [this](int id) { return TtlEvent::EventNameByID(id, m_doc.Data().tblEvent); };
    c.SearchForm = [&flow] { return flow.SearchForm().Load(); };
    c.BlownAwayLabels = [&flow] { return flow.BlownAwayLabels(); };
    c.Positions = [&flow] { return flow.DisplayedPositions(); };
    c.Decorations = [&flow] { return flow.DisplayedDecorations(); };
    c.MarkModified = [this] { m_doc.Timeline().SetModified(true); };
    c.OnError = [this](const std::exception& e) { HandleError(e); };
    return c;
}

bool TfrmMain::RunViewEditor(const QString& viewName) {
    TfrmView2 editor(ViewEditorContext(viewName), this);
    return TModalRunner::Run(editor) == QDialog::Accepted;
}

void TfrmMain::CmdAdvSearch() {
    TSearchFlow& flow = m_doc.SearchFlow();
    TfrmAdvSearch dialog(flow.GroupNames(), m_doc.Timeline().Units(), flow.SearchForm(),
                         [&flow](const TAdvancedSearch& criteria) { flow.RunAdvancedSearch(criteria); }, this);
    connect(&dialog, &TfrmAdvSearch::HelpRequested, this, &TfrmMain::OpenHelpTopic);
    if (TModalRunner::Run(dialog) == QDialog::Accepted)
        dialog.Apply();
}

void TfrmMain::CmdManageViews() {
    TSearchFlow& flow = m_doc.SearchFlow();
    const QString previous = flow.SelectedView();
    TfrmViews::TActions actions;
    actions.EditView = [this](const QString& name) { return RunViewEditor(name); };
    actions.MarkModified = [this] { m_doc.Timeline().SetModified(true); };
    actions.OnError = [this](const std::exception& e) { HandleError(e); };
    {
        TfrmViews organiser(flow.ViewsPath(), std::move(actions), this);
        TModalRunner::Run(organiser);
    }
    flow.FillViewsList();
    flow.SelectView(previous);
    if (flow.SelectedIndex() < 0 && !flow.ViewNames().isEmpty())
        flow.SetSelectedIndex(0);
    if (flow.DisplaySource() == dsView)
        ReloadCurrentView();
}

void TfrmMain::CmdEditView() {
    TSearchFlow& flow = m_doc.SearchFlow();
    const QString name = flow.SelectedView();
    if (name.isEmpty()) {
        Dialogs().Warning(NoViewSelectedText());
        return;
    }
    const int previous = flow.SelectedIndex();
    RunViewEditor(name);
    flow.FillViewsList();
    flow.SetSelectedIndex(previous);
    if (flow.DisplaySource() == dsView)
        ReloadCurrentView();
}

void TfrmMain::CmdUpdateView() {
    TSearchFlow& flow = m_doc.SearchFlow();
    const QString name = flow.SelectedView();
    // Without a view there is nothing to update (saving would write a view without a name).
    if (name.isEmpty()) {
        Dialogs().Warning(NoViewSelectedText());
        return;
    }
    TfrmView2 editor(ViewEditorContext(name), this);
    editor.UpdateFromDisplay();
    editor.Save();
    m_doc.Timeline().SetModified(true);
    TfrmNotification::ShowNotification(this, QStringLiteral("Update View"),
                                       QStringLiteral("Current view updated successfully."), 5000);
}

void TfrmMain::SyncTicks() {
    const TSettingsParts parts = m_doc.SettingsParts();
    m_actions.SetChecked(actShowHints, m_doc.AppOptions().HintsOn);
    m_actions.SetChecked(actPasswordProtection, m_doc.HasPassword());
    m_actions.SetChecked(actGridLines, parts.Axis->Gridlines);
    m_actions.SetChecked(actViewLegend, parts.Legend->Visible);
    m_actions.SetChecked(actAutoWrapLabels, parts.Events->AutoWrapLabels);
    m_actions.SetChecked(actShowRealBarHeight, parts.Events->ShowRealBarHeight);
    m_actions.SetChecked(actTransLabels, parts.Events->TransparentLabels);
    const TCommandId captionPos[] = {actAxisTextTop, actAxisTextMiddle, actAxisTextBottom};
    if (parts.Axis->CaptionPos >= 0 && parts.Axis->CaptionPos <= 2)
        m_actions.SetChecked(captionPos[parts.Axis->CaptionPos], true);
    if (parts.Timeline->AxisPos == 0)
        m_actions.SetChecked(actAxisLeft, true);
    else if (parts.Timeline->AxisPos == 1)
        m_actions.SetChecked(actAxisCentre, true);
    m_actions.SetChecked(kUnitCommands[m_doc.Timeline().Units()], true);
}

void TfrmMain::SettingsRead(bool timelineMode) {
    (void)timelineMode;
    m_legendVisible = m_doc.SettingsParts().Legend->Visible;
    SyncTicks();
}

QWidget* TfrmMain::ActivePage() const {
    return pgcMain->currentWidget();
}

void TfrmMain::ShowPage(QWidget* page) {
    m_actions.DisableRibbon();
    if (page == tshNoFileOpen) {
        m_actions.EnableRibbon(TRibbonSet::NoFile);
        pnlTimelineTools->hide();
        pnlEventTools->hide();
    } else if (page == tshTimeline) {
        m_actions.EnableRibbon(TRibbonSet::Timeline);
        pnlTimelineTools->show();
        pnlEventTools->hide();
    } else {
        m_actions.EnableRibbon(TRibbonSet::EventDetail);
        pnlTimelineTools->hide();
        pnlEventTools->show();
    }
    pgcMain->setCurrentWidget(page);
    UpdatePlaceholder();
}

void TfrmMain::UpdatePlaceholder() {
    const QString fileName = m_doc.Timeline().FileName();
    if (fileName.isEmpty()) {
        m_placeholder->clear();
        return;
    }
    const int events = m_doc.Data().tblEvent.Active() ? m_doc.Data().tblEvent.RecordCount() : 0;
    m_placeholder->setText(QStringLiteral("<div style='font-size:15pt; color:#1f3b63;'>%1</div>"
                                          "<div style='margin-top:6px;'>%2 events, %3</div>")
                               .arg(QFileInfo(fileName).fileName().toHtmlEscaped())
                               .arg(events)
                               .arg(UnitMenuCaption(m_doc.Timeline().Units()).toLower()));
}

void TfrmMain::FormShow() {
    const QString path = m_arguments.value(1);
    const QFileInfo info(path);
    if (!path.isEmpty() && info.isFile() && info.suffix().compare(QLatin1String("tml"), Qt::CaseInsensitive) == 0) {
        try {
            if (m_doc.File().OpenTimeline(info.absoluteFilePath()))
                ReloadCurrentView();
        } catch (const std::exception& e) {
            HandleError(e);
        }
    }
    // The detail page is made once, so its controls exist before their first use.
    QWidget* active = ActivePage();
    pgcMain->setCurrentWidget(tshSel);
    pgcMain->setCurrentWidget(active);
    QTimer::singleShot(0, this, &TfrmMain::FirstRunStep);
}

void TfrmMain::FirstRunStep() {
    try {
        if (ReadUserValue(QStringLiteral("HasBeenRun")) != QLatin1String("1")) {
            showMaximized();
            WriteUserValue(QStringLiteral("HasBeenRun"), QStringLiteral("1"));
        }
    } catch (const std::exception& e) {
        HandleError(e);
    }
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    FormShow();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (m_closeNow) {
        event->accept();
        return;
    }
    try {
        if (!m_doc.File().CloseTimeline()) {
            event->ignore();
            return;
        }
    } catch (const std::exception& e) {
        HandleError(e);
        event->ignore();
        return;
    }
    ShowPage(tshNoFileOpen);
    if (OfferFeedback && ReadUserValue(QStringLiteral("ShowFeedback")) != QLatin1String("0"))
        OfferFeedback();
    event->accept();
}

void TfrmMain::FormDestroy() {
    if (m_destroyed)
        return;
    m_destroyed = true;
    QSettings placement(QStringLiteral("Corvane"), QStringLiteral("Vezizivu"));
    placement.setValue(QStringLiteral("MainWindow/Geometry"), saveGeometry());
    struct TLast {
        TfrmMain& W;
        ~TLast() {
            // Working files of a timeline left open (an immediate end) go without questions.
            try {
                W.m_doc.File().RemoveWorkingFiles(false);
            } catch (...) {
            }
            W.m_io.reset(); // stores the last used folder
        }
    } last{*this};
    m_doc.WriteSettings(DefaultSettingsPath(), false);
}

void TfrmMain::HandleError(const std::exception& error) {
    if (dynamic_cast<const EAbort*>(&error))
        return;
    m_progress->HideProgress();
    const QString text = ErrorReportText(error);
    bool closeProgram = false;
    if (m_errorPresenter) {
        closeProgram = m_errorPresenter(text);
    } else {
        TfrmErrorDialog dialog(text, this);
        connect(&dialog, &TfrmErrorDialog::HelpRequested, this, [this] { OpenHelpTopic(QStringLiteral("Oops!")); });
        dialog.exec();
        closeProgram = dialog.CloseProgram();
    }
    if (closeProgram) {
        m_closeNow = true;
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

// TDocumentView
void TfrmMain::UpdateCaption() {
    setWindowTitle(WindowCaption(ApplicationTitle(), m_doc.Timeline().FileName()));
}

void TfrmMain::ShowTimelinePage() {
    ShowPage(tshTimeline);
}

void TfrmMain::SetRedraw(bool on) {
    // Switched off by a load and again by its search: drawn again when the outer one ends.
    m_redrawOff = on ? std::max(0, m_redrawOff - 1) : m_redrawOff + 1;
    m_timelineHost->setUpdatesEnabled(m_redrawOff == 0);
}

void TfrmMain::Repaint() {
    UpdatePlaceholder();
    m_timelineHost->update();
}

void TfrmMain::ShowNewTimelinePanel(bool show) {
    pnlNewTimeline->setVisible(show);
}

void TfrmMain::ClearSearchAndEntry() {
    cmbViews->clear();
}

void TfrmMain::SetReadOnlyCopy(bool readOnlyCopy) {
    m_actions.SetReadOnlyCopy(readOnlyCopy);
}

void TfrmMain::SetNoResultsVisible(bool visible) {
    pnlNoResults->setVisible(visible);
}

void TfrmMain::SetTooManyResultsVisible(bool visible) {
    pnlTooManyResults->setVisible(visible);
}

void TfrmMain::ViewsListChanged(const QStringList& names, int selected) {
    const QSignalBlocker quiet(cmbViews);
    QStringList shown;
    for (int i = 0; i < cmbViews->count(); ++i)
        shown << cmbViews->itemText(i);
    if (shown != names) {
        cmbViews->clear();
        cmbViews->addItems(names);
    }
    cmbViews->setCurrentIndex(selected);
}

void TfrmMain::SetTitleText(const QString& text) {
    m_titleText = text;
}

void TfrmMain::ApplyViewDecorations(const TViewDecorations& decorations) {
    m_titleText = decorations.Title;
}

void TfrmMain::SetLastUsedFolder(const QString& folder) {
    if (m_io)
        m_io->SetLastUsedFolder(folder);
}
