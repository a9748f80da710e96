// The main window's commands: one QAction per TCommandId, made from one table that gives each
// command its name, caption, hint, ribbon tab, drop-down parent, tick, radio group and the
// ribbon button sets it belongs to.
//
// A command responds only once a handler is set (SetHandler) and the page's button set includes
// it; later work enables its commands by setting their handlers. Every handler runs inside the
// registry's error handling: EAbort ends it silently, any other exception goes to the error
// handler, and the program goes on.
#pragma once

#include "app/CommandIds.h"

#include <QObject>
#include <QString>

#include <array>
#include <exception>
#include <functional>
#include <span>

class QAction;
class QActionGroup;

enum class TRibbonTab { None = -1, File, Setup, Edit, DisplayTab, Views, ExportsImports, Other, Count };

// The button sets of the pages.
enum class TRibbonSet { None, NoFile, Timeline, EventDetail };

namespace cmd {
enum TFlag : unsigned {
    Checkable = 1u << 0,       // flips its own tick before its handler runs
    Checked = 1u << 1,         // ticked initially
    NoFileSet = 1u << 2,       // enabled on the welcome page
    EventDetailSet = 1u << 3,  // enabled on the event detail pages
    ReadOnlyBlocked = 1u << 4, // disabled while a copy opened for viewing is shown
    Hidden = 1u << 5,          // its ribbon button is hidden
    CheckBox = 1u << 6,        // the ribbon shows it as a check box
    Menu = 1u << 7,            // a drop-down button; its items name it as their parent
    Ribbon = 1u << 8,          // on the ribbon: governed by the page's button set
    PageMenu = 1u << 9,        // on the right-click menu of its ribbon page
};
} // namespace cmd

struct TCommandDef {
    TCommandId Id;
    const char* Name;    // "actOpen"
    const char* Caption; // "&Open..."
    const char* Hint;
    TRibbonTab Tab;
    TCommandId Parent; // the drop-down button holding it; TCommandId::Count for none
    int RadioGroup;    // 0 for none
    unsigned Flags;
};

class TActionRegistry : public QObject {
    Q_OBJECT
public:
    explicit TActionRegistry(QObject* parent = nullptr);
    ~TActionRegistry() override;

    static std::span<const TCommandDef> Commands();
    static const TCommandDef& Def(TCommandId id);
    static QString TabCaption(TRibbonTab tab);
    // The command named `name` ("actOpen"); TCommandId::Count when there is none.
    static TCommandId FindByName(const QString& name);

    QAction* Action(TCommandId id) const;
    // The radio group `group` (3, 34, 77, 1000); nullptr when there is none.
    QActionGroup* RadioGroup(int group) const;

    // Sets the work of a command; it responds from now on wherever its page's set allows.
    void SetHandler(TCommandId id, std::function<void()> handler);
    bool HasHandler(TCommandId id) const;
    // Runs the command as a click would (a checkable one flips its tick first). Returns false
    // when it is disabled.
    bool Trigger(TCommandId id);

    // What an exception that escapes a handler is given to.
    void SetErrorHandler(std::function<void(const std::exception&)> handler);

    // The page's button set: DisableRibbon then EnableRibbon(set).
    void DisableRibbon();
    void EnableRibbon(TRibbonSet set);
    TRibbonSet CurrentSet() const { return m_set; }
    void SetReadOnlyCopy(bool readOnlyCopy);
    // An extra condition of one command (e.g. an office application being available).
    void SetAllowed(TCommandId id, bool allowed);

    bool IsEnabled(TCommandId id) const;
    bool IsChecked(TCommandId id) const;
    void SetChecked(TCommandId id, bool checked);

Q_SIGNALS:
    // The enabled states were recomputed (drop-down buttons follow their items).
    void EnablingChanged();

private:
    void Run(TCommandId id);
    void Refresh();
    bool InSet(const TCommandDef& def) const;

    static constexpr std::size_t N = std::size_t(TCommandId::Count);
    std::array<QAction*, N> m_actions{};
    std::array<std::function<void()>, N> m_handlers;
    std::array<bool, N> m_allowed{};
    std::vector<std::pair<int, QActionGroup*>> m_groups;
    std::function<void(const std::exception&)> m_errorHandler;
    TRibbonSet m_set = TRibbonSet::None;
    bool m_readOnlyCopy = false;
};
