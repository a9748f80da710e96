// Pictures of the main screens for a person to look at; taken only when VZ_SCREENSHOT_DIR names
// a folder.
#include "AppFixture.h"

#include "app/ErrorReport.h"
#include "app/ui/TRibbon.h"
#include "app/ui/TfrmErrorDialog.h"
#include "app/ui/TfrmOptions.h"
#include "app/ui/TfrmProgress.h"
#include "app/ui/TfrmNotification.h"
#include "app/ui/TfrmProperties.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "search/ui/TRangeEntryPanel.h"
#include "search/ui/TViewsListWidget.h"
#include "search/ui/TfrmAdvSearch.h"
#include "search/ui/TfrmView2.h"
#include "search/ui/TfrmViews.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QTabWidget>
#include <QTimer>

using enum TCommandId;

class ScreenshotTest : public AppFixture {
protected:
    void SetUp() override {
        out = qEnvironmentVariable("VZ_SCREENSHOT_DIR");
        if (out.isEmpty())
            GTEST_SKIP() << "VZ_SCREENSHOT_DIR is not set";
        AppFixture::SetUp();
    }
    void Save(QWidget& w, const QString& name) {
        Settle();
        EXPECT_TRUE(w.grab().save(out + "/" + name));
    }
    QString out;
};

TEST_F(ScreenshotTest, MainScreens) {
    QSettings("Corvane", "Vezizivu").setValue("HasBeenRun", "1");
    TfrmMain& w = Open();
    w.resize(1180, 720);
    w.show();
    Save(w, "welcome.png");

    w.Actions().Trigger(actNew);
    Save(w, "new-timeline.png");

    MakeTimelineFile(folder + "History.tml", 50);
    dialogs.QueueFileName(folder + "History.tml");
    w.Actions().Trigger(actOpen);
    w.Ribbon().setCurrentIndex(int(TRibbonTab::File));
    Save(w, "file-tab.png");
    for (TRibbonTab tab : {TRibbonTab::Setup, TRibbonTab::DisplayTab, TRibbonTab::Other}) {
        w.Ribbon().setCurrentIndex(int(tab));
        Save(w, QStringLiteral("tab-%1.png").arg(int(tab)));
    }

    // A large timeline: the progress window while it is saved.
    MakeTimelineFile(folder + "Large.tml", 100000);
    dialogs.QueueFileName(folder + "Large.tml");
    w.Actions().Trigger(actOpen);
    w.Document().Timeline().SetModified(true);
    TfrmProgress& progress = w.ProgressWindow();
    QStringList stages;
    QTimer watcher;
    watcher.setInterval(0);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (!progress.isVisible() || stages.contains(progress.StageText()))
            return;
        stages << progress.StageText();
        QPixmap shot = w.grab();
        QPainter p(&shot);
        const QPoint at = w.mapFromGlobal(progress.pos());
        p.fillRect(QRect(at - QPoint(1, 25), QSize(progress.width() + 2, progress.height() + 26)), QColor(60, 66, 76));
        p.setPen(Qt::white);
        p.drawText(QRect(at - QPoint(-8, 25), QSize(progress.width(), 25)), Qt::AlignVCenter, progress.windowTitle());
        p.drawPixmap(at, progress.grab());
        p.end();
        shot.save(QStringLiteral("%1/progress-%2.png").arg(out).arg(stages.size()));
    });
    watcher.start();
    w.Actions().Trigger(actSave);
    watcher.stop();
    EXPECT_GE(stages.size(), 3) << stages.join(", ").toStdString();

    TfrmErrorDialog error(ProblemText("Could not write \"/media/stick/History.tml\": No space left on device"), &w);
    error.show();
    Save(error, "error.png");
    TfrmErrorDialog locked(PasswordProtectedText(), &w);
    locked.show();
    Save(locked, "error-password.png");

    TfrmProperties properties(w.Document(), &w);
    properties.show();
    Save(properties, "properties.png");
    TfrmOptions options(w.Document().AppOptions(), *w.Document().SettingsParts().Events, &w);
    options.show();
    Save(options, "options.png");
}

TEST_F(ScreenshotTest, SearchAndViewScreens) {
    QSettings("Corvane", "Vezizivu").setValue("HasBeenRun", "1");
    TfrmMain& w = Open();
    w.resize(1180, 720);
    w.show();
    MakeTimelineFile(folder + "History.tml", 40);
    dialogs.QueueFileName(folder + "History.tml");
    w.Actions().Trigger(actOpen);
    TdtmMain& dm = w.Document().Data();
    dm.ffDB.Execute("INSERT INTO Category (ID, Name) VALUES (1, 'Wars'), (2, 'Kings and Queens'), (3, 'Science')");
    dm.tblCategory.Refresh();
    TSearchFlow& flow = w.Document().SearchFlow();
    const QString views = flow.ViewsPath();
    TSearchRequest r;
    r.Clear();
    r.Keywords = "\"Event 1\"";
    r.Notes = "The first events\r\nof the collection";
    r.Title = "The first events";
    r.TitleVisible = true;
    r.TextBox = "Events whose names start with 1.";
    TtlViews(views).SaveView("First events", true, r, {{3, 99999, 2}});
    r.Keywords = "20010 - 20020";
    TtlViews(views).SaveView("A few days", false, r, {});
    flow.FillViewsList();
    flow.SelectView("First events");
    w.ReloadCurrentView();
    w.Ribbon().setCurrentIndex(int(TRibbonTab::Views));
    Save(w, "views-tab.png");

    w.Document().Timeline().Events().SetMaxEvents(10);
    flow.SetSearchText(QString());
    w.Actions().Trigger(actSearch);
    Save(w, "notice-too-many.png");
    flow.SetSearchText("zebra");
    w.Actions().Trigger(actSearch);
    Save(w, "notice-no-results.png");
    w.Document().Timeline().Events().SetMaxEvents(150);
    w.ReloadCurrentView();

    TSearchFormPersistence persistence;
    TfrmAdvSearch dates(flow.GroupNames(), usCalendarDates, persistence, {}, &w);
    dates.edtName->setText("war");
    dates.show();
    Save(dates, "search-dialog-dates.png");
    TfrmAdvSearch numbers(flow.GroupNames(), usYearsAndMonths, persistence, {}, &w);
    numbers.pnlRange->edtStart->setText("1914");
    numbers.pnlRange->edtEnd->setText("1918");
    numbers.lstGroups->item(2)->setCheckState(Qt::Unchecked);
    numbers.show();
    Save(numbers, "search-dialog-numbers.png");

    TViewEditorContext context;
    context.ViewName = "First events";
    context.ViewsPath = views;
    context.Units = usYearsAndMonths;
    context.GroupNames = flow.GroupNames();
    context.SqlBuilder = &flow.SqlBuilder();
    context.EventName = [&dm](int id) { return TtlEvent::EventNameByID(id, dm.tblEvent); };
    TfrmView2 editor(context, &w);
    editor.show();
    Save(editor, "view-editor-main.png");
    editor.pgcPages->setCurrentIndex(1);
    Save(editor, "view-editor-title.png");

    TfrmViews organiser(views, {}, &w);
    organiser.lstViews->setCurrentRow(1);
    organiser.show();
    Save(organiser, "views-organiser.png");

    dialogs.QueueAnswer(TMsgButton::Ok);
    w.Actions().Trigger(actUpdateViewFromDisplay);
    auto* note = w.findChild<TfrmNotification*>("frmNotification");
    ASSERT_NE(note, nullptr);
    Save(*note, "notification.png");
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
