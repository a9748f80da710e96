#include "app/TActionRegistry.h"
#include "common/Errors.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <set>

using enum TCommandId;

TEST(ActionRegistry, TableMatchesTheCommandSet) {
    std::set<std::string> names;
    for (const TCommandDef& def : TActionRegistry::Commands()) {
        EXPECT_TRUE(names.insert(def.Name).second) << "twice: " << def.Name;
        EXPECT_STRNE(def.Caption, "") << def.Name;
        EXPECT_STRNE(def.Hint, "") << def.Name;
        if (def.Parent != TCommandId::Count) {
            EXPECT_TRUE(TActionRegistry::Def(def.Parent).Flags & cmd::Menu) << def.Name;
        }
    }
    const struct {
        TCommandId Id;
        const char* Caption;
    } captions[] = {{actNew, "&New"},           {actOpen, "&Open..."},         {actSaveAs, "Save As..."},
                    {FileExit1, "E&xit"},        {FilePrintSetup1, "Print Set&up..."},
                    {actNoBackground, "No &Background Image"}, {actAxisFont, "Axis &Font / Colour..."},
                    {actShowTimeline, "   Vezizivu   "}, {actBarOutlineColor, "Default Bar &Outline Color..."},
                    {actSetAsDef, "Set Current Settings as Default"}, {actScale, "Time to Distance Convert..."}};
    for (const auto& c : captions)
        EXPECT_STREQ(TActionRegistry::Def(c.Id).Caption, c.Caption);
    EXPECT_EQ(TActionRegistry::FindByName("actPasswordProtection"), actPasswordProtection);
    EXPECT_EQ(TActionRegistry::FindByName("actNothing"), TCommandId::Count);
}

TEST(ActionRegistry, RadioGroupsAndInitialTicks) {
    TActionRegistry r;
    const struct {
        int Group;
        std::vector<TCommandId> Members;
        TCommandId Ticked;
    } groups[] = {{3, {actNoAxis, actAxisCentre, actAxisLeft}, actAxisCentre},
                  {34, {actSelectionMode, actBlowawayMode, actZoomInMode}, actSelectionMode},
                  {77, {actAxisTextTop, actAxisTextMiddle, actAxisTextBottom}, actAxisTextMiddle}};
    for (const auto& g : groups) {
        ASSERT_NE(r.RadioGroup(g.Group), nullptr);
        EXPECT_EQ(r.RadioGroup(g.Group)->actions().size(), qsizetype(g.Members.size()));
        EXPECT_EQ(r.RadioGroup(g.Group)->checkedAction(), r.Action(g.Ticked)) << g.Group;
    }
    EXPECT_EQ(r.RadioGroup(1000)->actions().size(), 8);
    r.SetChecked(actAxisTextBottom, true);
    EXPECT_FALSE(r.IsChecked(actAxisTextMiddle)) << "ticking one unticks the others";
}

TEST(ActionRegistry, ACommandRespondsOnlyWithAHandlerInItsPagesSet) {
    TActionRegistry r;
    int runs = 0;
    r.EnableRibbon(TRibbonSet::NoFile);
    EXPECT_FALSE(r.Trigger(actNew)) << "no handler yet";
    r.SetHandler(actNew, [&] { ++runs; });
    r.SetHandler(actSave, [&] { ++runs; });
    r.SetHandler(actGroups, [&] { ++runs; });
    EXPECT_TRUE(r.Trigger(actNew));
    EXPECT_FALSE(r.Trigger(actSave)) << "Save is not in the welcome page's set";
    r.EnableRibbon(TRibbonSet::Timeline);
    EXPECT_TRUE(r.IsEnabled(actSave));
    EXPECT_TRUE(r.IsEnabled(actGroups));
    r.SetReadOnlyCopy(true);
    EXPECT_FALSE(r.IsEnabled(actGroups)) << "editing stays off for a copy opened for viewing";
    EXPECT_TRUE(r.IsEnabled(actSave));
    r.EnableRibbon(TRibbonSet::EventDetail);
    EXPECT_TRUE(r.IsEnabled(actSave));
    EXPECT_FALSE(r.IsEnabled(actGroups));
    r.DisableRibbon();
    EXPECT_FALSE(r.IsEnabled(actNew));
    EXPECT_EQ(runs, 1);
}

TEST(ActionRegistry, DropDownButtonsFollowTheirItems) {
    TActionRegistry r;
    r.EnableRibbon(TRibbonSet::Timeline);
    EXPECT_FALSE(r.IsEnabled(mnuDefaults));
    r.SetHandler(actSetAsDef, [] {});
    EXPECT_TRUE(r.IsEnabled(mnuDefaults));
    EXPECT_FALSE(r.IsEnabled(mnuAdvancedDisplay));
}

TEST(ActionRegistry, HandlerFailuresGoToTheErrorHandlerAndAbortIsSilent) {
    TActionRegistry r;
    QStringList reported;
    r.SetErrorHandler([&](const std::exception& e) { reported << QString::fromUtf8(e.what()); });
    r.EnableRibbon(TRibbonSet::NoFile);
    r.SetHandler(actNew, [] { throw EVzError("broken"); });
    r.SetHandler(actOpen, [] { throw EAbort(); });
    EXPECT_NO_THROW(r.Trigger(actNew));
    EXPECT_NO_THROW(r.Trigger(actOpen));
    EXPECT_EQ(reported, QStringList{"broken"});
}

TEST(ActionRegistry, CheckableCommandsFlipTheirTickBeforeTheHandler) {
    TActionRegistry r;
    r.EnableRibbon(TRibbonSet::Timeline);
    bool seen = false;
    r.SetHandler(actGridLines, [&] { seen = r.IsChecked(actGridLines); });
    ASSERT_TRUE(r.IsChecked(actGridLines));
    r.Trigger(actGridLines);
    EXPECT_FALSE(seen);
}
