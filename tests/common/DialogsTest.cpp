#include "common/Dialogs.h"
#include "common/ScriptedDialogs.h"

#include <gtest/gtest.h>

TEST(ScriptedDialogs, AnswersInOrderThenFallsBackToFirstAffirmativeButton) {
    TScriptedDialogs d;
    d.QueueAnswer(TMsgButton::Cancel);
    EXPECT_EQ(d.Ask(TMsgKind::Confirmation, "q1", TMsgButton::Ok | TMsgButton::Cancel, {}),
              TMsgButton::Cancel);
    EXPECT_EQ(d.Ask(TMsgKind::Confirmation, "q2", TMsgButton::Ok | TMsgButton::Cancel, {}),
              TMsgButton::Ok);
    EXPECT_EQ(d.Ask(TMsgKind::Confirmation, "q3",
                    TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel, {}),
              TMsgButton::Yes);
    d.SetDefaultAnswer(TMsgButton::No);
    EXPECT_EQ(d.Ask(TMsgKind::Confirmation, "q4", TMsgButton::Yes | TMsgButton::No, {}),
              TMsgButton::No);
    ASSERT_EQ(d.Questions().size(), 4u);
    EXPECT_EQ(d.Questions()[1].Text, "q2");
}

TEST(ScriptedDialogs, ScopeInstallsAndRestores) {
    TScriptedDialogs outer, inner;
    TDialogsScope a(outer);
    {
        TDialogsScope b(inner);
        Dialogs().Information("hello");
    }
    Dialogs().Warning("after");
    EXPECT_EQ(inner.ShownTexts(), QStringList{"hello"});
    EXPECT_EQ(outer.ShownTexts(), QStringList{"after"});
}

TEST(FileDialogFilter, ConvertsProgramFilterToNameFilters) {
    EXPECT_EQ(FilterToNameFilters("Timelines (*.tml)|*.TML|Any file (*.*)|*.*"),
              (QStringList{"Timelines (*.TML)", "Any file (*.*)"}));
    EXPECT_EQ(FilterToNameFilters("Vezizivu file (*.tml)|*.tml|Any file|*.*"),
              (QStringList{"Vezizivu file (*.tml)", "Any file (*.*)"}));
}
