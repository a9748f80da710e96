#include "AppFixture.h"

#include "app/ErrorReport.h"
#include "app/ui/TAppEventFilter.h"
#include "app/ui/TRibbon.h"
#include "app/ui/TfrmErrorDialog.h"
#include "app/ui/TfrmOptions.h"
#include "app/ui/TfrmProgress.h"
#include "common/Errors.h"
#include "storage/IniFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QHelpEvent>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QPainter>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <set>

using enum TCommandId;

namespace {
std::set<TCommandId> EnabledCommands(TActionRegistry& r) {
    std::set<TCommandId> enabled;
    for (const TCommandDef& def : TActionRegistry::Commands())
        if ((def.Flags & cmd::Ribbon) && r.IsEnabled(def.Id))
            enabled.insert(def.Id);
    return enabled;
}
} // namespace

class MainWindowTest : public AppFixture {};

TEST_F(MainWindowTest, WithNoTimelineOpenOnlyTheNoFileSetResponds) {
    TfrmMain& w = Open();
    EXPECT_EQ(w.ActivePage(), w.tshNoFileOpen);
    EXPECT_EQ(w.windowTitle(), "Zazurovo 3");
    EXPECT_EQ(EnabledCommands(w.Actions()), (std::set<TCommandId>{actNew, actOpen, FileExit1, actHelp, actAbout, actOptions}));
    for (const TCommandDef& def : TActionRegistry::Commands())
        if (QAbstractButton* b = w.Ribbon().Button(def.Id)) {
            EXPECT_EQ(b->isEnabled(), w.Actions().IsEnabled(def.Id)) << def.Name;
        }
    EXPECT_FALSE(w.pnlTimelineTools->isVisibleTo(&w));
    EXPECT_FALSE(w.pnlEventTools->isVisibleTo(&w));
    EXPECT_FALSE(w.statusBar()->isVisibleTo(&w));
}

TEST_F(MainWindowTest, RibbonHasTheSevenTabsAndEveryButton) {
    TfrmMain& w = Open();
    TRibbon& ribbon = w.Ribbon();
    QStringList tabs;
    for (int i = 0; i < ribbon.count(); ++i)
        tabs << ribbon.tabText(i);
    EXPECT_EQ(tabs, QStringList({"File", "Setup", "Edit", "Display", "Views", "Exports / Imports", "Other"}));
    for (const TCommandDef& def : TActionRegistry::Commands()) {
        if (def.Tab == TRibbonTab::None || def.Parent != TCommandId::Count || (def.Flags & cmd::PageMenu))
            continue;
        QAbstractButton* b = ribbon.Button(def.Id);
        ASSERT_NE(b, nullptr) << def.Name;
        QAction* action = w.Actions().Action(def.Id);
        EXPECT_EQ(action->text(), QString::fromUtf8(def.Caption).replace("\r\n", "\n")) << def.Name;
        EXPECT_EQ(b->text(), qobject_cast<QToolButton*>(b) ? action->iconText() : action->text()) << def.Name;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(def.Hint)) << def.Name;
        EXPECT_EQ(b->isVisibleTo(ribbon.Page(def.Tab)), !(def.Flags & cmd::Hidden)) << def.Name;
        EXPECT_EQ(qobject_cast<QCheckBox*>(b) != nullptr, bool(def.Flags & cmd::CheckBox)) << def.Name;
        if (def.Flags & cmd::Menu) {
            auto* tool = qobject_cast<QToolButton*>(b);
            ASSERT_TRUE(tool && tool->menu()) << def.Name;
            int items = 0;
            for (const TCommandDef& item : TActionRegistry::Commands())
                items += item.Parent == def.Id;
            EXPECT_EQ(tool->menu()->actions().size(), items) << def.Name;
        }
    }
    ASSERT_NE(ribbon.PageMenu(TRibbonTab::Other), nullptr);
    EXPECT_EQ(ribbon.PageMenu(TRibbonTab::Other)->actions().size(), 3);
    EXPECT_EQ(ribbon.currentIndex(), 0) << "the File tab is selected at start-up";
}

TEST_F(MainWindowTest, NewSaveAsAndClose) {
    TfrmMain& w = Open();
    ASSERT_TRUE(w.Actions().Trigger(actNew));
    EXPECT_EQ(w.ActivePage(), w.tshTimeline);
    EXPECT_EQ(w.windowTitle(), "Zazurovo 3 - Vezizivu 1");
    EXPECT_TRUE(w.pnlNewTimeline->isVisibleTo(w.tshTimeline));
    EXPECT_TRUE(w.pnlTimelineTools->isVisibleTo(&w));
    EXPECT_FALSE(w.ProgressWindow().isVisible());
    const std::set<TCommandId> enabled = EnabledCommands(w.Actions());
    for (TCommandId id : {actSave, actSaveAs, actClose, actPasswordProtection, actSetAsDef, mnuUnits, mnuDefaults})
        EXPECT_TRUE(enabled.count(id)) << TActionRegistry::Def(id).Name;
    for (TCommandId id : {actPrint, actGroups, actRestoreEvents, actExportToExcel, mnuAdvancedDisplay})
        EXPECT_FALSE(enabled.count(id)) << TActionRegistry::Def(id).Name << " waits for its work";

    dialogs.QueueFileName(folder + "Mine.tml");
    ASSERT_TRUE(w.Actions().Trigger(actSaveAs));
    EXPECT_EQ(w.windowTitle(), "Zazurovo 3 - Mine.tml");
    EXPECT_TRUE(QFileInfo::exists(folder + "Mine.tml"));
    EXPECT_FALSE(w.ProgressWindow().isVisible()) << "hidden after the save";
    EXPECT_EQ(w.IO().LastUsedFolder(), folder);

    ASSERT_TRUE(w.Actions().Trigger(actClose));
    EXPECT_EQ(w.ActivePage(), w.tshNoFileOpen);
    EXPECT_EQ(w.windowTitle(), "Zazurovo 3");
    EXPECT_FALSE(w.pnlNewTimeline->isVisibleTo(w.tshTimeline));
    EXPECT_FALSE(w.ProgressWindow().isVisible());
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(MainWindowTest, OpenStartsInTheFolderChosenAtStartUpAndUsesTheFilter) {
    const QString path = folder + "History.tml";
    MakeTimelineFile(path, 3);
    {
        TfrmMain& w = Open();
        EXPECT_EQ(w.DialogFolder(), DefaultMyTimelinesFolder(PersonalFolder())) << "no last used folder yet";
        dialogs.QueueFileName(path);
        ASSERT_TRUE(w.Actions().Trigger(actOpen));
        EXPECT_EQ(w.windowTitle(), "Zazurovo 3 - History.tml");
        EXPECT_EQ(w.DialogFolder(), DefaultMyTimelinesFolder(PersonalFolder())) << "used from the next start";
        window.reset();
    }
    TfrmMain& again = Open();
    EXPECT_EQ(again.DialogFolder(), folder);
}

TEST_F(MainWindowTest, ClosingAModifiedTimelineAsksAndCancelKeepsTheWindow) {
    TfrmMain& w = Open();
    w.show();
    w.Actions().Trigger(actNew);
    w.Document().Timeline().SetModified(true);
    dialogs.QueueAnswer(TMsgButton::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(dialogs.Questions().back().Text, "Do you want to save the changes you made to Vezizivu 1?");
    EXPECT_TRUE(w.isVisible());
    dialogs.QueueAnswer(TMsgButton::No);
    EXPECT_TRUE(w.close());
}

TEST_F(MainWindowTest, CommandLineOpensOnlyExistingTimelineFiles) {
    MakeTimelineFile(folder + "HISTORY.TML", 2);
    vztest::WriteAll(folder + "notes.txt", "not a timeline");
    const struct {
        QString Arg;
        bool Opens;
    } cases[] = {{folder + "HISTORY.TML", true}, {folder + "notes.txt", false}, {folder + "missing.tml", false}};
    for (const auto& c : cases) {
        TfrmMain& w = Open({"vezizivu", c.Arg});
        w.show();
        Settle();
        EXPECT_EQ(w.ActivePage(), c.Opens ? w.tshTimeline : w.tshNoFileOpen) << c.Arg.toStdString();
        EXPECT_EQ(w.windowTitle(), c.Opens ? "Zazurovo 3 - HISTORY.TML" : "Zazurovo 3") << c.Arg.toStdString();
        EXPECT_TRUE(dialogs.Shown().empty()) << c.Arg.toStdString();
        window.reset();
    }
    EXPECT_EQ(vztest::ReadAll(folder + "notes.txt"), "not a timeline");
}

TEST_F(MainWindowTest, SettingsOfTheOpenedFileTickTheirCommands) {
    MakeTimelineFile(folder + "Ticks.tml", 1, [](const TSettingsParts& parts) {
        parts.Timeline->AxisPos = 0;
        parts.Axis->CaptionPos = 2;
        parts.Axis->Gridlines = false;
        parts.Legend->Visible = true;
        parts.Events->TransparentLabels = true;
    });
    TfrmMain& w = Open({"vezizivu", folder + "Ticks.tml"});
    w.show();
    Settle();
    TActionRegistry& a = w.Actions();
    EXPECT_TRUE(a.IsChecked(actAxisLeft));
    EXPECT_FALSE(a.IsChecked(actAxisCentre));
    EXPECT_TRUE(a.IsChecked(actAxisTextBottom));
    EXPECT_FALSE(a.IsChecked(actAxisTextMiddle));
    EXPECT_FALSE(a.IsChecked(actGridLines));
    EXPECT_TRUE(a.IsChecked(actViewLegend));
    EXPECT_TRUE(a.IsChecked(actTransLabels));
    EXPECT_TRUE(a.IsChecked(actUnitsCalendarDates));
    EXPECT_FALSE(a.IsChecked(actPasswordProtection));
}

TEST_F(MainWindowTest, UnitMenuChangesTheUnitSystem) {
    TfrmMain& w = Open();
    w.Actions().Trigger(actNew);
    ASSERT_TRUE(w.Actions().Trigger(actUnitsHoursAndMinutes));
    EXPECT_EQ(w.Document().Timeline().Units(), usHoursAndMinutes);
    EXPECT_TRUE(w.Actions().IsChecked(actUnitsHoursAndMinutes));
    EXPECT_FALSE(w.Actions().IsChecked(actUnitsCalendarDates));
}

TEST_F(MainWindowTest, ACopyOpenedForViewingKeepsEditingOff) {
    const QString path = folder + "Shared.tml";
    MakeTimelineFile(path, 1);
    vztest::WriteAll(folder + "Event.ff2", "in use by another program");
    TfrmMain& w = Open();
    dialogs.QueueFileName(path);
    dialogs.QueueAnswer(TMsgButton::Ok);
    ASSERT_TRUE(w.Actions().Trigger(actOpen));
    EXPECT_EQ(w.ActivePage(), w.tshTimeline);
    EXPECT_FALSE(w.Actions().IsEnabled(actPasswordProtection));
    EXPECT_TRUE(w.Actions().IsEnabled(actSave));
    w.Actions().Trigger(actNew);
    EXPECT_TRUE(w.Actions().IsEnabled(actPasswordProtection)) << "New clears the copy state";
}

TEST_F(MainWindowTest, EventDetailPageSet) {
    TfrmMain& w = Open();
    w.Actions().Trigger(actNew);
    w.ShowPage(w.tshSel);
    const std::set<TCommandId> allowed = {actNew,  actOpen,        actSave,     actSaveAs, actClose,
                                          actPrint, FilePrintSetup1, FileExit1,  actCopyTimeline,
                                          actSaveImage, actHelp,     actAbout,    actOptions};
    for (TCommandId id : EnabledCommands(w.Actions()))
        EXPECT_TRUE(allowed.count(id)) << TActionRegistry::Def(id).Name;
    EXPECT_TRUE(w.pnlEventTools->isVisibleTo(&w));
    EXPECT_FALSE(w.pnlTimelineTools->isVisibleTo(&w));
    ASSERT_TRUE(w.Actions().Trigger(actBack));
    EXPECT_EQ(w.ActivePage(), w.tshTimeline);
}

TEST_F(MainWindowTest, PasswordCheckBoxOnTheRibbon) {
    TfrmMain& w = Open();
    w.Actions().Trigger(actNew);
    auto* box = qobject_cast<QCheckBox*>(w.Ribbon().Button(actPasswordProtection));
    ASSERT_NE(box, nullptr);
    dialogs.QueueInput("pw");
    box->click();
    EXPECT_TRUE(w.Document().HasPassword());
    EXPECT_TRUE(box->isChecked());
    dialogs.QueueInput("PW");
    box->click();
    EXPECT_TRUE(box->isChecked()) << "a wrong password ticks the command again";
    EXPECT_EQ(dialogs.Shown().back().Text, "Incorrect.");
}

TEST_F(MainWindowTest, FirstRunMaximisesOnceAndStoresTheValue) {
    EXPECT_EQ(ReadUserValue("HasBeenRun"), "");
    {
        TfrmMain& w = Open();
        w.show();
        Settle();
        EXPECT_TRUE(w.isMaximized());
        EXPECT_EQ(ReadUserValue("HasBeenRun"), "1");
        w.showNormal(); // the user restores the window; its placement is stored at the end
        Settle();
        window.reset();
    }
    TfrmMain& w = Open();
    w.show();
    Settle();
    EXPECT_FALSE(w.isMaximized()) << "later starts keep the stored placement";
}

TEST_F(MainWindowTest, ErrorsOfACommandAreShownAndTheProgramGoesOn) {
    TfrmMain& w = Open();
    w.show();
    w.Actions().SetHandler(actAbout, [] { throw EVzError("Broken on purpose"); });
    w.Actions().SetHandler(actHelp, [] { throw EAbort(); });
    w.Actions().Trigger(actAbout);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_EQ(errors[0], ProblemText("Broken on purpose"));
    w.Actions().Trigger(actHelp);
    EXPECT_EQ(errors.size(), 1) << "EAbort is silent";
    ASSERT_TRUE(w.Actions().Trigger(actNew));
    EXPECT_EQ(w.ActivePage(), w.tshTimeline) << "the program goes on";

    // A write refused by a locked timeline shows the password text.
    dialogs.QueueInput("pw");
    w.Actions().Trigger(actPasswordProtection);
    w.Actions().SetHandler(actAbout, [&w] { w.Document().Data().tblEvent.Insert(); });
    w.Actions().Trigger(actAbout);
    ASSERT_EQ(errors.size(), 2);
    EXPECT_EQ(errors[1], PasswordProtectedText());

    // "Attempt to close program on Close" ends the program at once, without the save question.
    w.Document().Timeline().SetModified(true);
    closeOnError = true;
    w.Actions().SetHandler(actAbout, [] { throw EVzError("again"); });
    w.Actions().Trigger(actAbout);
    Settle();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(dialogs.Questions().empty() || dialogs.Questions().back().Text.startsWith("Please enter"));
}

TEST_F(MainWindowTest, ErrorWindowTexts) {
    TfrmErrorDialog dialog(PasswordProtectedText());
    EXPECT_EQ(dialog.windowTitle(), "Oops!");
    EXPECT_EQ(dialog.chkCloseProgram->text(), "Attempt to close program on Close");
    EXPECT_EQ(dialog.btnClose->text(), "Close");
    EXPECT_TRUE(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dialog.Text(), QString(PasswordProtectedText()).replace("\r\n", "\n"));
    EXPECT_FALSE(dialog.CloseProgram());
    dialog.chkCloseProgram->setChecked(true);
    EXPECT_TRUE(dialog.CloseProgram());
}

TEST_F(MainWindowTest, ProgressTitleCyclesAndTheWindowIsNotModal) {
    const QStringList titles = {"Please Wait",     "Please Wait.",     "Please Wait..", "Please Wait...",
                                "Please Wait....", "Please Wait.....", "Please Wait"};
    for (int i = 0; i < titles.size(); ++i)
        EXPECT_EQ(TfrmProgress::TitleAt(i), titles[i]);
    TfrmMain& w = Open();
    TfrmProgress& p = w.ProgressWindow();
    p.SetStage("Saving...");
    EXPECT_TRUE(p.isVisible());
    EXPECT_FALSE(p.isModal());
    EXPECT_EQ(p.windowTitle(), "Please Wait");
    EXPECT_EQ(p.StageText(), "Saving...");
    p.SetMeter(250, 1000);
    EXPECT_EQ(p.MeterValue(), 250);
    p.HideProgress();
    p.SetStage("Loading...");
    EXPECT_EQ(p.windowTitle(), "Please Wait") << "starts again at the first title";
    EXPECT_EQ(p.MeterValue(), 0);
    p.HideProgress();
}

TEST_F(MainWindowTest, OptionsWriteTheWizardOptionAtOnce) {
    TfrmMain& w = Open();
    w.Document().AppOptions().NewTimelineWizard = true;
    TfrmOptions dialog(w.Document().AppOptions(), *w.Document().SettingsParts().Events);
    EXPECT_TRUE(dialog.chkWizard->isChecked());
    EXPECT_TRUE(dialog.chkWelcome->isChecked()) << "a missing ShowTutorialScreen counts as on";
    dialog.chkWizard->setChecked(false);
    dialog.chkWelcome->setChecked(false);
    dialog.chkShowHints->setChecked(true);
    dialog.trkMaxEvents->setValue(501);
    dialog.Apply();
    EXPECT_EQ(TIniFile(DefaultSettingsPath()).ReadString("General", "NewTimelineWizard", {}), "0");
    EXPECT_EQ(ReadUserValue("ShowTutorialScreen"), "0");
    EXPECT_TRUE(w.HintsOn());
    EXPECT_EQ(w.Document().SettingsParts().Events->MaxEvents, 501);
}

TEST_F(MainWindowTest, EndWritesTheDefaultsAndFolders) {
    TfrmMain& w = Open();
    EXPECT_TRUE(QFileInfo::exists(BackgroundsFolder(PersonalFolder()) + "blank.jpg"));
    EXPECT_GE(QDir(BackgroundsFolder(PersonalFolder())).entryList({"*.jpg"}).size(), 4);
    EXPECT_FALSE(QDir(IconsFolder(DefaultMyTimelinesFolder(PersonalFolder()))).isEmpty());
    w.Document().AppOptions().HintsOn = true;
    w.Actions().Trigger(actNew);
    const QString work = w.Document().File().WorkingFolder();
    w.FormDestroy();
    EXPECT_EQ(TIniFile(DefaultSettingsPath()).ReadString("General", "HintsOn", {}), "1");
    EXPECT_FALSE(QFileInfo::exists(work + "Event.ff2")) << "working files of the last timeline are removed";
}

TEST(InputRules, WheelActsAsArrowKeysAndHintsFollowTheOption) {
    bool hints = false;
    TAppEventFilter rules([&] { return hints; });
    qApp->installEventFilter(&rules);
    QSpinBox box;
    box.setRange(0, 100);
    box.setValue(50);
    box.show();
    box.setFocus();
    QApplication::setActiveWindow(&box);
    const struct {
        int Delta;
        int Want;
    } turns[] = {{-120, 49}, {120, 50}, {0, 49}, {60, 49}, {60, 50}, {-240, 48}};
    for (const auto& t : turns) {
        QWheelEvent wheel(QPointF(5, 5), box.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, t.Delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&box, &wheel);
        EXPECT_EQ(box.value(), t.Want) << t.Delta;
    }
    QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), box.mapToGlobal(QPoint(1, 1)));
    EXPECT_TRUE(rules.eventFilter(&box, &tip)) << "no hints while they are off";
    hints = true;
    EXPECT_FALSE(rules.eventFilter(&box, &tip));
    qApp->removeEventFilter(&rules);
}
