// The ribbon: the seven command tabs with their buttons, drop-down buttons, check boxes and radio
// buttons, all made from the action registry's table. Buttons show and follow their commands'
// captions, hints, ticks and enabled states.
#pragma once

#include "app/TActionRegistry.h"

#include <QTabWidget>

class QAbstractButton;
class QToolButton;

class TRibbon : public QTabWidget {
    Q_OBJECT
public:
    TRibbon(TActionRegistry& actions, QWidget* parent = nullptr);

    // The button of a command (a tool button, check box or radio button); nullptr for commands
    // the ribbon does not show.
    QAbstractButton* Button(TCommandId id) const;
    // The page of a tab.
    QWidget* Page(TRibbonTab tab) const;
    // The right-click menu of a tab's page; nullptr when it has none.
    QMenu* PageMenu(TRibbonTab tab) const;

private:
    QWidget* BuildPage(TRibbonTab tab);
    QToolButton* MakeToolButton(const TCommandDef& def, QWidget* parent);

    TActionRegistry& m_actions;
    std::array<QAbstractButton*, std::size_t(TCommandId::Count)> m_buttons{};
    std::array<QMenu*, std::size_t(TRibbonTab::Count)> m_pageMenus{};
};
