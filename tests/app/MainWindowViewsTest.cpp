// The Views tab, the view selector and the notices of the main window, with the dialogs driven
// through the modal runner's hook.
#include "AppFixture.h"

#include "app/ui/TfrmNotification.h"
#include "display/TtlEvent.h"
#include "display/TtlEventList.h"
#include "search/ui/TModalHookScope.h"
#include "search/ui/TViewsListWidget.h"
#include "search/ui/TfrmAdvSearch.h"
#include "search/ui/TfrmView2.h"
#include "search/ui/TfrmViews.h"
#include "storage/IniFile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using enum TCommandId;

class MainWindowViewsTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        path = folder + "History.tml";
        MakeTimelineFile(path, 12);
        Open();
        dialogs.QueueFileName(path);
        ASSERT_TRUE(window->Actions().Trigger(actOpen));
    }
    TSearchFlow& Flow() { return window->Document().SearchFlow(); }
    int ShownCount() { return window->Document().Timeline().Events().Count(); }
    QStringList SelectorItems() {
        QStringList items;
        for (int i = 0; i < window->cmbViews->count(); ++i)
            items << window->cmbViews->itemText(i);
        return items;
    }
    QString ViewsIni() { return window->Document().File().WorkingFolder() + "Views.ini"; }
    void AddView(const QString& name, const QString& keywords) {
        TSearchRequest r;
        r.Clear();
        r.Keywords = keywords;
        TtlViews(ViewsIni()).SaveView(name, false, r, {});
    }
    // Closes the organiser as its Close button does.
    static int CloseOrganiser(QDialog& d) {
        qobject_cast<TfrmViews*>(&d)->btnClose->click();
        return d.result();
    }
    QString path;
};

namespace {
template <typename T> T& As(QDialog& d) {
    T* dialog = qobject_cast<T*>(&d);
    EXPECT_NE(dialog, nullptr) << "another dialog: " << d.metaObject()->className();
    return *dialog;
}
int ClickOk(QDialog& d) {
    d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    return d.result();
}
} // namespace

TEST_F(MainWindowViewsTest, OpeningShowsTheHomeViewAndTheSelectorChangesView) {
    EXPECT_EQ(SelectorItems(), QStringList{"Home"});
    EXPECT_EQ(window->cmbViews->currentText(), "Home");
    EXPECT_EQ(ShownCount(), 12);
    EXPECT_EQ(Flow().DisplaySource(), dsView);
    for (TCommandId id :
         {actAdvSearch, actShowAll, actManageViews, actEditView, actUpdateViewFromDisplay})
        EXPECT_TRUE(window->Actions().IsEnabled(id)) << TActionRegistry::Def(id).Name;

    AddView("Tens", "\"Event 1\"");
    {
        TModalHookScope hook(&CloseOrganiser);
        ASSERT_TRUE(window->Actions().Trigger(actManageViews));
    }
    EXPECT_EQ(SelectorItems(), (QStringList{"Home", "Tens"}));
    EXPECT_EQ(window->cmbViews->currentText(), "Home") << "the previous selection again";
    window->cmbViews->setCurrentIndex(1);
    Q_EMIT window->cmbViews->activated(1);
    EXPECT_EQ(Flow().SelectedView(), "Tens");
    EXPECT_EQ(ShownCount(), 4) << "Event 1, 10, 11, 12";
    EXPECT_EQ(Flow().ViewRequest().ViewName, "Tens");

    // Commands that change the display apply the selected view again.
    ASSERT_TRUE(window->Actions().Trigger(actShowAll));
    EXPECT_EQ(ShownCount(), 12);
    window->ReloadCurrentView();
    EXPECT_EQ(ShownCount(), 4);

    ASSERT_TRUE(window->Actions().Trigger(actClose));
    EXPECT_TRUE(SelectorItems().isEmpty()) << "the views list goes with the timeline";
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(MainWindowViewsTest, NoticesOverTheTimeline) {
    window->Document().Timeline().Events().SetMaxEvents(5);
    ASSERT_TRUE(window->Actions().Trigger(actShowAll));
    EXPECT_EQ(ShownCount(), 0);
    EXPECT_FALSE(window->pnlTooManyResults->isVisibleTo(window->tshTimeline))
        << "Show All gives no feedback";
    ASSERT_TRUE(window->Actions().Trigger(actSearch));
    EXPECT_TRUE(window->pnlTooManyResults->isVisibleTo(window->tshTimeline));
    EXPECT_FALSE(window->pnlNoResults->isVisibleTo(window->tshTimeline));
    Flow().SetSearchText("zebra");
    ASSERT_TRUE(window->Actions().Trigger(actSearch));
    EXPECT_TRUE(window->pnlNoResults->isVisibleTo(window->tshTimeline));
    EXPECT_FALSE(window->pnlTooManyResults->isVisibleTo(window->tshTimeline));
    Flow().SetSearchText("Event 12"); // both words: only "Event 12"
    ASSERT_TRUE(window->Actions().Trigger(actSearch));
    EXPECT_EQ(ShownCount(), 1);
    EXPECT_FALSE(window->pnlNoResults->isVisibleTo(window->tshTimeline));
    EXPECT_FALSE(window->pnlTooManyResults->isVisibleTo(window->tshTimeline));
}

TEST_F(MainWindowViewsTest, TheSearchDialogSearchesAndItsFieldsLastUntilTheNextOpen) {
    {
        TModalHookScope hook([](QDialog& d) {
            TfrmAdvSearch& search = As<TfrmAdvSearch>(d);
            search.edtName->setText("Event 1");
            return ClickOk(d);
        });
        ASSERT_TRUE(window->Actions().Trigger(actAdvSearch));
    }
    EXPECT_EQ(ShownCount(), 4);
    EXPECT_EQ(window->TitleText(), "Search: \"Event 1\"");
    EXPECT_EQ(Flow().DisplaySource(), dsSearchDialog);
    EXPECT_EQ(QSettings("Corvane", "Vezizivu").value("SearchFrm/NameKeywords").toString(),
              "Event 1");

    QString seen;
    {
        TModalHookScope hook([&seen](QDialog& d) {
            seen = As<TfrmAdvSearch>(d).edtName->text();
            return int(QDialog::Rejected);
        });
        ASSERT_TRUE(window->Actions().Trigger(actAdvSearch));
        EXPECT_EQ(seen, "Event 1") << "remembered";
        EXPECT_EQ(ShownCount(), 4) << "Cancel searches nothing";
        const QString other = vztest::NewTempFolder("other") + "/Other.tml";
        MakeTimelineFile(other, 3);
        dialogs.QueueFileName(other);
        ASSERT_TRUE(window->Actions().Trigger(actOpen));
        ASSERT_EQ(window->Document().Timeline().FileName(), other);
        ASSERT_TRUE(window->Actions().Trigger(actAdvSearch));
        EXPECT_EQ(seen, "") << "opening a timeline deletes the fields";
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(MainWindowViewsTest, EditAndUpdateTheSelectedView) {
    window->cmbViews->setCurrentIndex(-1);
    Flow().SetSelectedIndex(-1);
    for (TCommandId id : {actEditView, actUpdateViewFromDisplay}) {
        dialogs.ClearShown();
        ASSERT_TRUE(window->Actions().Trigger(id));
        ASSERT_EQ(dialogs.Shown().size(), 1u) << TActionRegistry::Def(id).Name;
        EXPECT_EQ(dialogs.Shown()[0].Text, "There is no view selected.");
    }
    EXPECT_EQ(TtlViews(ViewsIni()).ListViews(), QStringList{"Home"})
        << "nothing saved without a view";

    Flow().SelectView("Home");
    TtlEvent& third = window->Document().Timeline().Events().At(2);
    third.SetState(2);
    window->Document().Timeline().SetModified(false);
    dialogs.QueueAnswer(TMsgButton::Ok);
    ASSERT_TRUE(window->Actions().Trigger(actUpdateViewFromDisplay));
    EXPECT_EQ(
        dialogs.Questions().back().Text,
        "Update the view you are editing (`Home`) from what is currently displayed on the timeline?"
        "\r\n\r\n[The last view selected there was `Home`.]");
    EXPECT_EQ(
        TIniFile(ViewsIni()).ReadString("Home", QStringLiteral("%1-state").arg(third.ID()), {}),
        "2");
    EXPECT_TRUE(window->Document().Timeline().Modified());
    auto* note = window->findChild<TfrmNotification*>("frmNotification");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->lblHeader->text(), "Update View");
    EXPECT_EQ(note->lblText->text(), "Current view updated successfully.");
    EXPECT_EQ(note->height(), 100);

    // Renamed in the editor: the selector follows, and the view is shown again.
    {
        TModalHookScope hook([](QDialog& d) {
            As<TfrmView2>(d).edtName->setText("Start");
            return ClickOk(d);
        });
        ASSERT_TRUE(window->Actions().Trigger(actEditView));
    }
    EXPECT_EQ(SelectorItems(), QStringList{"Start"});
    EXPECT_EQ(window->cmbViews->currentIndex(), 0);
    EXPECT_EQ(Flow().ViewRequest().ViewName, "Start");
    EXPECT_EQ(window->Document().Timeline().Events().At(2).State(), 2)
        << "shown again with the hidden event";
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

TEST_F(MainWindowViewsTest, TheOrganiserOpensTheEditorAndDeletes) {
    AddView("Tens", "\"Event 1\"");
    window->ReloadCurrentView();
    {
        TModalHookScope hook([](QDialog& d) {
            if (qobject_cast<TfrmView2*>(&d)) {
                As<TfrmView2>(d).edtName->setText("Twos");
                As<TfrmView2>(d).edtKeywords->setText("\"Event 2\"");
                return ClickOk(d);
            }
            TfrmViews& organiser = As<TfrmViews>(d);
            organiser.btnNew->click();
            organiser.lstViews->setCurrentRow(0);
            organiser.btnDelete->click();
            organiser.btnClose->click();
            return d.result();
        });
        dialogs.QueueAnswer(TMsgButton::Ok);
        ASSERT_TRUE(window->Actions().Trigger(actManageViews));
    }
    EXPECT_EQ(SelectorItems(), (QStringList{"Tens", "Twos"}));
    EXPECT_EQ(window->cmbViews->currentText(), "Tens") << "Home is gone: the first view";
    EXPECT_EQ(ShownCount(), 4) << "the display came from a view: shown again";
    EXPECT_TRUE(window->Document().Timeline().Modified());
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}
