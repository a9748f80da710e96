#include "app/ui/TRibbon.h"

#include "app/ui/TRibbonIcons.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// A check box or radio button that shows its command and runs it when clicked.
void BindToAction(QAbstractButton* button, QAction* action) {
    auto sync = [button, action] {
        button->setText(action->text());
        button->setToolTip(action->toolTip());
        button->setEnabled(action->isEnabled());
        button->setChecked(action->isChecked());
    };
    sync();
    QObject::connect(action, &QAction::changed, button, sync);
    QObject::connect(action, &QAction::toggled, button, sync);
    // The command flips its own tick; the button only passes the click on.
    QObject::connect(button, &QAbstractButton::clicked, action, [button, action] {
        button->setChecked(action->isChecked());
        action->trigger();
    });
}

constexpr int kIconSize = 32;
} // namespace

TRibbon::TRibbon(TActionRegistry& actions, QWidget* parent) : QTabWidget(parent), m_actions(actions) {
    setObjectName(QStringLiteral("Ribbon"));
    setDocumentMode(true);
    setUsesScrollButtons(false);
    for (int t = 0; t < int(TRibbonTab::Count); ++t)
        addTab(BuildPage(TRibbonTab(t)), TActionRegistry::TabCaption(TRibbonTab(t)));
    setFixedHeight(sizeHint().height());
    setStyleSheet(QStringLiteral(
        "QTabWidget#Ribbon::pane { border: none; border-bottom: 1px solid #c5cbd3; background: #f7f8fa; }"
        "QTabWidget#Ribbon > QTabBar::tab { padding: 5px 14px; margin-right: 1px; color: #2b3440;"
        "  background: transparent; border: 1px solid transparent; border-bottom: none; }"
        "QTabWidget#Ribbon > QTabBar::tab:selected { background: #f7f8fa; border-color: #c5cbd3;"
        "  border-top-left-radius: 3px; border-top-right-radius: 3px; color: #1f4e8c; }"
        "QTabWidget#Ribbon > QTabBar::tab:hover:!selected { background: #e8ecf1; }"
        "QWidget#RibbonPage { background: #f7f8fa; }"
        "QWidget#RibbonPage QToolButton { border: 1px solid transparent; border-radius: 3px; padding: 2px 4px;"
        "  color: #222; }"
        "QWidget#RibbonPage QToolButton:hover { background: #dde8f6; border-color: #a9c2e4; }"
        "QWidget#RibbonPage QToolButton:pressed { background: #c6daf2; }"
        "QWidget#RibbonPage QToolButton:disabled { color: #9aa0a8; }"
        "QWidget#RibbonPage QToolButton[popupMode=\"2\"] { padding-bottom: 12px; }"
        "QWidget#RibbonPage QToolButton::menu-indicator { subcontrol-origin: padding; subcontrol-position: bottom center; }"));
}

QToolButton* TRibbon::MakeToolButton(const TCommandDef& def, QWidget* parent) {
    QAction* action = m_actions.Action(def.Id);
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("btn_") + QLatin1String(def.Name));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(kIconSize, kIconSize));
    button->setAutoRaise(true);
    button->setMinimumWidth(64);
    action->setIcon(TRibbonIcons::Icon(def.Id, kIconSize));
    if (def.Flags & cmd::Menu) {
        auto* menu = new QMenu(button);
        for (const TCommandDef& item : TActionRegistry::Commands())
            if (item.Parent == def.Id)
                menu->addAction(m_actions.Action(item.Id));
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        auto sync = [button, action] {
            button->setText(action->iconText());
            button->setIcon(action->icon());
            button->setToolTip(action->toolTip());
            button->setEnabled(action->isEnabled());
        };
        sync();
        connect(action, &QAction::changed, button, sync);
    } else {
        button->setDefaultAction(action);
    }
    return button;
}

QWidget* TRibbon::BuildPage(TRibbonTab tab) {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("RibbonPage"));
    page->setAttribute(Qt::WA_StyledBackground);
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(2);

    QVBoxLayout* column = nullptr; // the current column of small check boxes and radio buttons
    int inColumn = 0;
    auto endColumn = [&] {
        if (column)
            column->addStretch(1);
        column = nullptr;
        inColumn = 0;
    };
    for (const TCommandDef& def : TActionRegistry::Commands()) {
        if (def.Tab != tab || def.Parent != TCommandId::Count)
            continue;
        if (def.Flags & cmd::PageMenu) {
            QMenu*& menu = m_pageMenus[std::size_t(tab)];
            if (!menu) {
                menu = new QMenu(page);
                page->setContextMenuPolicy(Qt::CustomContextMenu);
                connect(page, &QWidget::customContextMenuRequested, menu,
                        [menu, page](const QPoint& at) { menu->popup(page->mapToGlobal(at)); });
            }
            menu->addAction(m_actions.Action(def.Id));
            continue;
        }
        const bool small = (def.Flags & cmd::CheckBox) || def.RadioGroup == 34;
        QAbstractButton* button = nullptr;
        if (small) {
            QAbstractButton* toggle = def.RadioGroup ? static_cast<QAbstractButton*>(new QRadioButton(page))
                                                     : static_cast<QAbstractButton*>(new QCheckBox(page));
            toggle->setObjectName(QStringLiteral("chk_") + QLatin1String(def.Name));
            if (auto* radio = qobject_cast<QRadioButton*>(toggle))
                radio->setAutoExclusive(false); // the command's radio group decides
            BindToAction(toggle, m_actions.Action(def.Id));
            if (!column || inColumn == 3) {
                endColumn();
                column = new QVBoxLayout;
                column->setContentsMargins(8, 6, 8, 0);
                column->setSpacing(6);
                row->addLayout(column);
            }
            column->addWidget(toggle);
            ++inColumn;
            button = toggle;
        } else {
            endColumn();
            button = MakeToolButton(def, page);
            row->addWidget(button, 0, Qt::AlignTop);
        }
        if (def.Flags & cmd::Hidden)
            button->hide();
        m_buttons[std::size_t(def.Id)] = button;
    }
    endColumn();
    row->addStretch(1);
    return page;
}

QAbstractButton* TRibbon::Button(TCommandId id) const {
    return m_buttons[std::size_t(id)];
}

QWidget* TRibbon::Page(TRibbonTab tab) const {
    return widget(int(tab));
}

QMenu* TRibbon::PageMenu(TRibbonTab tab) const {
    return m_pageMenus[std::size_t(tab)];
}
