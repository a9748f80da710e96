// The view editor and the views organiser, driven through their controls with scripted answers.
#include "common/ScriptedDialogs.h"
#include "search/SQLDataMod.h"
#include "search/ui/TModalHookScope.h"
#include "search/ui/TRangeEntryPanel.h"
#include "search/ui/TViewsListWidget.h"
#include "search/ui/TfrmView2.h"
#include "search/ui/TfrmViews.h"
#include "storage/IniFile.h"
#include "support/TestSupport.h"
#include "time/ui/TDateEntry.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

class ViewDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs.SetDefaultAnswer(TMsgButton::Ok);
        TSearchRequest r;
        r.Clear();
        r.Keywords = "1914 - 1918";
        r.DescKeywords = "trench";
        r.Notes = "first\r\nsecond";
        r.Groups = {"Wars"};
        r.TitleLeft = 96;
        r.TitleTop = 48;
        r.TitleColour = "clYellow";
        r.TextBox = "intro";
        r.TextBoxWidth = 192;
        r.TextBoxHeight = 96;
        for (const char* name : {"Home", "Battles", "Kings"})
            TtlViews(path).SaveView(name, true, r, {{7, 120, 2}, {8, 99999, 0}});
    }
    TViewEditorContext Context(const QString& name) {
        TViewEditorContext c;
        c.ViewName = name;
        c.ViewsPath = path;
        c.Units = usYearsAndMonths;
        c.GroupNames = {"Wars", "Kings"};
        c.SqlBuilder = &builder;
        c.Low = 1913;
        c.High = 1915;
        c.Source = dsView;
        c.ViewRequest.Clear();
        c.ViewRequest.ViewName = "Kings";
        c.ViewRequest.Keywords = "crown";
        c.EventName = [](int id) { return QStringLiteral("Event %1").arg(id); };
        c.BlownAwayLabels = [] { return QStringList{"Label of 12"}; };
        c.Positions = [] { return std::vector<TViewEventPosition>{{12, 300, 2}, {13, 40, 0}}; };
        c.Decorations = [] {
            TViewDecorations d;
            d.Title = "From the display";
            d.TitleVisible = true;
            d.TitleLeft = 192;
            d.TitleColour = "clAqua";
            return d;
        };
        c.MarkModified = [this] { ++modified; };
        return c;
    }
    QString Read(const QString& section, const QString& key) {
        return TIniFile(path).ReadString(section, key, "<missing>");
    }

    QString path = vztest::NewTempFolder("editor") + "/Views.ini";
    TdtmSQL builder;
    TScriptedDialogs dialogs;
    TDialogsScope scope{dialogs};
    int modified = 0;
};

TEST_F(ViewDialogsTest, AStoredViewFillsBothPages) {
    TfrmView2 editor(Context("Battles"));
    EXPECT_EQ(editor.windowTitle(), "Edit / Inspect View");
    EXPECT_EQ(editor.edtName->text(), "Battles");
    EXPECT_TRUE(editor.chkDateTimeSpecified->isChecked())
        << "keywords that read as a range become the range";
    EXPECT_EQ(editor.pnlRange->edtStart->text(), "1914");
    EXPECT_EQ(editor.pnlRange->edtEnd->text(), "1918");
    EXPECT_TRUE(editor.edtKeywords->text().isEmpty());
    EXPECT_EQ(editor.edtDescKeywords->text(), "trench");
    EXPECT_EQ(editor.memNotes->toPlainText(), "first\nsecond");
    EXPECT_EQ(editor.lstGroups->item(0)->checkState(), Qt::Checked);
    EXPECT_EQ(editor.lstGroups->item(1)->checkState(), Qt::Unchecked);
    ASSERT_EQ(editor.lstBlownAway->count(), 1);
    EXPECT_EQ(editor.lstBlownAway->item(0)->text(), "Event 7");
    EXPECT_EQ(editor.lblPositions->text(), "As they were left...");
    EXPECT_EQ(editor.edtTitleLeft->text(), QLocale().toString(PixelsToCm(96), 'f', 1));
    EXPECT_EQ(editor.edtTextBoxWidth->text(), QLocale().toString(PixelsToCm(192), 'f', 1));
    EXPECT_EQ(editor.memTextBox->toPlainText(), "intro");
}

TEST_F(ViewDialogsTest, OkRefusesBadNamesAndReversedRanges) {
    struct TCase {
        const char* name;
        const char* first;
        const char* second;
        QString message;
    };
    const TCase cases[] = {
        {"a=b", "", "", TfrmView2::ProhibitedCharacterText()},
        {"say \"x\"", "", "", TfrmView2::ProhibitedCharacterText()},
        {"a,b", "", "", TfrmView2::ProhibitedCharacterText()},
        {"", "", "", TfrmView2::NoNameText()},
        {"___ordering", "", "", TfrmView2::ReservedNameText()},
        {"Wars", "1918", "1914", TfrmView2::EndBeforeStartText()},
        {"Wars", "5", "x", TfrmView2::EndBeforeStartText()}, // unreadable counts as 0
    };
    const QByteArray before = vztest::ReadAll(path);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TfrmView2 editor(Context(QString()));
        editor.edtName->setText(c.name);
        editor.chkDateTimeSpecified->setChecked(true);
        editor.pnlRange->edtStart->setText(c.first);
        editor.pnlRange->edtEnd->setText(c.second);
        dialogs.ClearShown();
        editor.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        EXPECT_EQ(editor.result(), QDialog::Rejected) << "stays open";
        ASSERT_EQ(dialogs.Shown().size(), 1u);
        EXPECT_EQ(dialogs.Shown()[0].Text, c.message);
        EXPECT_EQ(dialogs.Shown()[0].Kind, TMsgKind::Warning);
    }
    EXPECT_EQ(vztest::ReadAll(path), before);
    EXPECT_EQ(modified, 0);

    TfrmView2 calendar([&] {
        TViewEditorContext c = Context(QString());
        c.Units = usCalendarDates;
        return c;
    }());
    calendar.edtName->setText("Dates");
    calendar.chkDateTimeSpecified->setChecked(true);
    calendar.pnlRange->dtpStart->SetDate(QDate(1918, 1, 1));
    calendar.pnlRange->dtpEnd->SetDate(QDate(1914, 1, 1));
    EXPECT_FALSE(calendar.Validate());
    calendar.pnlRange->dtpEnd->Clear();
    EXPECT_TRUE(calendar.Validate()) << "an empty end picker is no end";
}

TEST_F(ViewDialogsTest, UpdateFromDisplayTakesWhatProducedTheDisplay) {
    TSearchFormPersistence::TValues persisted;
    persisted.DateRangeUsed = false;
    persisted.NameKeywords = "king";
    persisted.Groups = {"Kings"};
    struct TCase {
        TDisplaySource source;
        bool range;
        const char* start;
        const char* keywords;
        bool minorError;
    };
    const TCase cases[] = {
        {dsSearchDialog, false, "", "king", false},
        {dsAxisSelection, true, "1913", "", false},
        {dsView, false, "", "crown", false},
        {dsShowAll, true, "1914", "", false}, // keeps the form as loaded
        {dsNone, true, "1914", "", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.source));
        TViewEditorContext context = Context("Battles");
        context.Source = c.source;
        context.SearchForm = [&] { return persisted; };
        TfrmView2 editor(context);
        dialogs.ClearShown();
        ASSERT_TRUE(editor.UpdateFromDisplay());
        EXPECT_EQ(dialogs.Questions().back().Text,
                  "Update the view you are editing (`Battles`) from what is currently displayed on "
                  "the timeline?"
                  "\r\n\r\n[The last view selected there was `Kings`.]");
        EXPECT_EQ(editor.chkDateTimeSpecified->isChecked(), c.range);
        EXPECT_EQ(editor.pnlRange->edtStart->text(), c.start);
        EXPECT_EQ(editor.edtKeywords->text(), c.keywords);
        EXPECT_EQ(!dialogs.Shown().empty() &&
                      dialogs.Shown().back().Text == TfrmView2::MinorErrorText(),
                  c.minorError);
        // In every case: blown-away labels, positions and decorations from the display.
        ASSERT_EQ(editor.lstBlownAway->count(), 1);
        EXPECT_EQ(editor.lstBlownAway->item(0)->text(), "Label of 12");
        EXPECT_EQ(editor.lblPositions->text(), "Update from timeline.");
        EXPECT_TRUE(editor.SavesPositions());
        EXPECT_EQ(editor.edtTitle->text(), "From the display");
        EXPECT_TRUE(editor.chkTitle->isChecked());
    }
    {
        TViewEditorContext context = Context("Battles");
        context.Source = dsSearchDialog;
        context.SearchForm = [&] { return persisted; };
        TfrmView2 editor(context);
        editor.UpdateFromDisplay();
        EXPECT_EQ(editor.lstGroups->item(0)->checkState(), Qt::Unchecked);
        EXPECT_EQ(editor.lstGroups->item(1)->checkState(), Qt::Checked);
    }

    TfrmView2 fresh(Context(QString()));
    dialogs.QueueAnswer(TMsgButton::Cancel);
    EXPECT_FALSE(fresh.UpdateFromDisplay());
    EXPECT_EQ(dialogs.Questions().back().Text,
              "Update the view you are creating from what is currently displayed on the timeline?"
              "\r\n\r\n[The last view selected there was `Kings`.]");
    EXPECT_EQ(fresh.lblPositions->text(), "As they were left...") << "cancelled: nothing taken";
    EXPECT_FALSE(fresh.SavesPositions());
}

TEST_F(ViewDialogsTest, RenameThenSaveKeepsOneSectionInTheOldPlace) {
    TfrmView2 editor(Context("Battles"));
    editor.edtName->setText("Wars");
    editor.edtKeywords->setText("somme");
    editor.edtTitleLeft->setText("not a number");
    editor.edtTextBoxLeft->setText(QLocale().toString(2.54, 'f', 2));
    {
        TModalHookScope hook([](QDialog& d) {
            d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            return d.result();
        });
        EXPECT_EQ(TModalRunner::Run(editor), QDialog::Accepted);
    }
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(TtlViews(path).ListViews(), (QStringList{"Home", "Wars", "Kings"}));
    EXPECT_FALSE(TIniFile(path).SectionExists("Battles"));
    EXPECT_EQ(Read("Wars", "Keywords"), "somme");
    EXPECT_EQ(Read("Wars", "UseYearArgs"), "1");
    EXPECT_EQ(Read("Wars", "Year2"), "1918");
    EXPECT_TRUE(Read("Wars", "Sql").contains("A.Start <= 1918"))
        << Read("Wars", "Sql").toStdString();
    EXPECT_TRUE(Read("Wars", "Sql").contains("'%SOMME%'"));
    EXPECT_TRUE(Read("Wars", "Sql").contains("(B.Name = 'Wars')"));
    EXPECT_EQ(Read("Wars", "TitleLeft"), "96") << "an unreadable box keeps the previous value";
    EXPECT_EQ(Read("Wars", "TextBoxLeft"), QString::number(CmToPixels(2.54)));
    EXPECT_EQ(Read("Wars", "TitleColour"), "clYellow");
    EXPECT_EQ(Read("Wars", "7-x"), "120") << "positions saved before stay";
    EXPECT_EQ(Read("Wars", "12-x"), "<missing>")
        << "positions are saved only after Update From Display";

    TfrmView2 update(Context("Wars"));
    update.UpdateFromDisplay();
    update.Save();
    EXPECT_EQ(Read("Wars", "12-x"), "300");
    EXPECT_EQ(Read("Wars", "12-state"), "2");
    EXPECT_EQ(Read("Wars", "TitleColour"), "clAqua");
    EXPECT_EQ(Read("Wars", "Keywords"), "crown") << "from the view shown last";
}

TEST_F(ViewDialogsTest, OrganiserReordersDeletesAndOpensTheEditor) {
    QStringList edited;
    TfrmViews::TActions actions;
    actions.EditView = [&](const QString& name) {
        edited << name;
        if (name.isEmpty()) {
            TSearchRequest r;
            r.Clear();
            TtlViews(path).SaveView("Fresh", false, r, {});
        }
        return true;
    };
    actions.MarkModified = [this] { ++modified; };
    TfrmViews organiser(path, actions);
    EXPECT_EQ(organiser.windowTitle(), "Views");
    EXPECT_EQ(organiser.Names(), (QStringList{"Home", "Battles", "Kings"}));

    organiser.lstViews->clearSelection();
    organiser.lstViews->setCurrentItem(nullptr);
    for (QPushButton* button : {organiser.btnEdit, organiser.btnDelete}) {
        dialogs.ClearShown();
        button->click();
        ASSERT_EQ(dialogs.Shown().size(), 1u);
        EXPECT_EQ(dialogs.Shown()[0].Text,
                  "No View is selected. Please select a View and try again.");
        EXPECT_EQ(dialogs.Shown()[0].Kind, TMsgKind::Information);
    }
    EXPECT_TRUE(edited.isEmpty());

    organiser.btnNew->click();
    EXPECT_EQ(edited, QStringList{""});
    EXPECT_EQ(organiser.Names().last(), "Fresh") << "refilled after a saving editor";

    organiser.lstViews->setCurrentRow(1);
    Q_EMIT organiser.lstViews->itemDoubleClicked(organiser.lstViews->item(1));
    EXPECT_EQ(edited.last(), "Battles");

    organiser.lstViews->setCurrentRow(2);
    dialogs.QueueAnswer(TMsgButton::Cancel);
    organiser.btnDelete->click();
    EXPECT_EQ(dialogs.Questions().back().Text,
              "Are you sure you want to delete the selected view?");
    EXPECT_EQ(organiser.Names().size(), 4);
    organiser.btnDelete->click();
    EXPECT_EQ(organiser.Names(), (QStringList{"Home", "Battles", "Fresh"}));
    EXPECT_FALSE(TIniFile(path).SectionExists("Kings"));
    EXPECT_EQ(modified, 1);

    // "Fresh" dragged onto "Home" takes its place.
    organiser.show();
    TViewsListWidget* list = organiser.lstViews;
    list->setCurrentRow(2);
    list->DropCurrentAt(list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(organiser.Names(), (QStringList{"Fresh", "Home", "Battles"}));
    list->setCurrentRow(0);
    list->DropCurrentAt(QPoint(5, list->viewport()->height() - 2));
    EXPECT_EQ(organiser.Names(), (QStringList{"Home", "Battles", "Fresh"}))
        << "below the last item: to the end";
    list->setCurrentRow(2);
    list->DropCurrentAt(list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(TtlViews(path).ListViews(), (QStringList{"Home", "Battles", "Fresh"}))
        << "stored only by Close";
    organiser.btnClose->click();
    EXPECT_EQ(organiser.result(), QDialog::Accepted);
    EXPECT_EQ(TtlViews(path).ListViews(), (QStringList{"Fresh", "Home", "Battles"}));
}
