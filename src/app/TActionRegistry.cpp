#include "app/TActionRegistry.h"

#include "common/Errors.h"

#include <QAction>
#include <QActionGroup>

using namespace cmd;
using enum TCommandId;

namespace {
constexpr TCommandId None = TCommandId::Count;
constexpr unsigned R = Ribbon;
constexpr unsigned NF = NoFileSet | EventDetailSet | Ribbon; // in every page's set
constexpr unsigned ED = EventDetailSet | Ribbon;
constexpr unsigned RO = ReadOnlyBlocked | Ribbon;
constexpr unsigned Radio = Checkable | Ribbon;

// Ribbon order: tabs in order, buttons left to right, drop-down items after their button.
constexpr TCommandDef kCommands[] = {
    {actNew, "actNew", "&New", "Start a new, empty timeline", TRibbonTab::File, None, 0, NF},
    {actOpen, "actOpen", "&Open...", "Open a timeline file", TRibbonTab::File, None, 0, NF},
    {actSave, "actSave", "Save", "Save the timeline", TRibbonTab::File, None, 0, ED},
    {actSaveAs, "actSaveAs", "Save As...", "Save the timeline under a new name", TRibbonTab::File, None, 0, ED},
    {actPrint, "actPrint", "&Print", "Print the timeline", TRibbonTab::File, None, 0, ED},
    {FilePrintSetup1, "FilePrintSetup1", "Print Set&up...", "Choose and set up the printer", TRibbonTab::File, None, 0, ED},
    {actClose, "actClose", "&Close", "Close the timeline", TRibbonTab::File, None, 0, ED},
    {FileExit1, "FileExit1", "E&xit", "Close Vezizivu", TRibbonTab::File, None, 0, NF},

    {mnuUnits, "mnuUnits", "Vezizivu Units...", "Choose the units this timeline measures time in", TRibbonTab::Setup, None, 0, Menu | R},
    {actUnitsCalendarDates, "actUnitsCalendarDates", "Calendar Dates", "Dates of the calendar", TRibbonTab::Setup, mnuUnits, 1000, Radio | Checked},
    {actUnitsYearsAndMonths, "actUnitsYearsAndMonths", "Years and Months", "Years and months, BC and AD", TRibbonTab::Setup, mnuUnits, 1000, Radio},
    {actUnitsYearsAndWeeks, "actUnitsYearsAndWeeks", "Years and Weeks (legacy)", "Years and weeks (kept for older timelines)", TRibbonTab::Setup, mnuUnits, 1000, Radio},
    {actUnitsDaysAndHours, "actUnitsDaysAndHours", "Days and Hours", "Days and hours", TRibbonTab::Setup, mnuUnits, 1000, Radio},
    {actUnitsHoursAndMinutes, "actUnitsHoursAndMinutes", "Hours and Minutes", "Hours and minutes", TRibbonTab::Setup, mnuUnits, 1000, Radio},
    {actUnitsSteps, "actUnitsSteps", "Steps", "Numbered steps", TRibbonTab::Setup, mnuUnits, 1000, Radio},
    {actUnitsKilometresAndMetres, "actUnitsKilometresAndMetres", "Kilometres and Metres", "Distances in kilometres and metres", TRibbonTab::Setup, mnuUnits, 1000, Radio},
    {actUnitsMetresAndCentimetres, "actUnitsMetresAndCentimetres", "Metres and Centimetres", "Distances in metres and centimetres", TRibbonTab::Setup, mnuUnits, 1000, Radio},
    {actAxisText, "actAxisText", "Axis Text...", "Edit the caption of the time axis", TRibbonTab::Setup, None, 0, R},
    {mnuAxisTextPosition, "mnuAxisTextPosition", "Axis Text Position", "Where the axis caption is drawn", TRibbonTab::Setup, None, 0, Menu | R},
    {actAxisTextTop, "actAxisTextTop", "Top", "Axis caption at the top", TRibbonTab::Setup, mnuAxisTextPosition, 77, Radio},
    {actAxisTextMiddle, "actAxisTextMiddle", "Middle", "Axis caption in the middle", TRibbonTab::Setup, mnuAxisTextPosition, 77, Radio | Checked},
    {actAxisTextBottom, "actAxisTextBottom", "Bottom", "Axis caption at the bottom", TRibbonTab::Setup, mnuAxisTextPosition, 77, Radio},
    {actBackgroundPic, "actBackgroundPic", "Background Image...", "Choose a picture for the background", TRibbonTab::Setup, None, 0, R},
    {actNoBackground, "actNoBackground", "No &Background Image", "Use a plain background", TRibbonTab::Setup, None, 0, R},
    {actToggleToKioskMode, "actToggleToKioskMode", "Kiosk Mode", "Show only the timeline, for visitors to browse", TRibbonTab::Setup, None, 0, R},

    {actAddEventWiz, "actAddEventWiz", "New Event...", "Add an event to the timeline", TRibbonTab::Edit, None, 0, RO},
    {actGroups, "actGroups", "Groups...", "Edit the groups events belong to", TRibbonTab::Edit, None, 0, RO},
    {actShiftEvents, "actShiftEvents", "Shift Events...", "Move events earlier or later in time", TRibbonTab::Edit, None, 0, RO},
    {actPasswordProtection, "actPasswordProtection", "Password Protection", "Protect the timeline from changes with a password", TRibbonTab::Edit, None, 0, RO | Checkable | CheckBox},

    {actGridLines, "actGridLines", "Gridlines", "Show grid lines across the timeline", TRibbonTab::DisplayTab, None, 0, R | Checkable | CheckBox | Checked},
    {actViewLegend, "actViewLegend", "&Legend", "Show the legend of the groups", TRibbonTab::DisplayTab, None, 0, R | Checkable | CheckBox},
    {actLabelStyle, "actLabelStyle", "Label Style...", "Choose what the event labels show", TRibbonTab::DisplayTab, None, 0, R},
    {actAutoWrapLabels, "actAutoWrapLabels", "Auto Wrap Labels", "Wrap long event labels onto several lines", TRibbonTab::DisplayTab, None, 0, R | Checkable | CheckBox},
    {actAxisFont, "actAxisFont", "Axis &Font / Colour...", "Font and colour of the axis texts", TRibbonTab::DisplayTab, None, 0, R},
    {actAxisLabelColor, "actAxisLabelColor", "Axis &Label Colour...", "Background colour of the axis labels", TRibbonTab::DisplayTab, None, 0, R},
    {actAxisStyle, "actAxisStyle", "Axis Style...", "How the time axis is drawn", TRibbonTab::DisplayTab, None, 0, R},
    {actAxisOrientation, "actAxisOrientation", "Axis Position / &Orientation...", "Where the axis lies and which way it runs", TRibbonTab::DisplayTab, None, 0, R},
    {actShowRealBarHeight, "actShowRealBarHeight", "Show Real Bar Height", "Draw each bar as long as its time span", TRibbonTab::DisplayTab, None, 0, R | Checkable | CheckBox},

    {actAdvSearch, "actAdvSearch", "Search", "Find the events to show", TRibbonTab::Views, None, 0, R},
    {actShowAll, "actShowAll", "Show All", "Show every event", TRibbonTab::Views, None, 0, R},
    {actManageViews, "actManageViews", "Organise Views...", "Rename, reorder and delete saved views", TRibbonTab::Views, None, 0, R},
    {actEditView, "actEditView", "Edit / Inspect View...", "Change the selected view", TRibbonTab::Views, None, 0, R},
    {actUpdateViewFromDisplay, "actUpdateViewFromDisplay", "Update View", "Store the display in the selected view", TRibbonTab::Views, None, 0, R},
    {actZoomQuery, "actZoomQuery", "Range Zoom", "Show the events of a time range", TRibbonTab::Views, None, 0, R | Hidden},
    {actSelectionMode, "actSelectionMode", "Normal Mode", "A click on an event opens it", TRibbonTab::Views, None, 34, Radio | Checked},
    {actBlowawayMode, "actBlowawayMode", "Blowaway Mode", "A click on an event removes it from the display", TRibbonTab::Views, None, 34, Radio},
    {actRestoreEvents, "actRestoreEvents", "&Restore Events...", "Bring back events removed from the display", TRibbonTab::Views, None, 0, R},

    {actCopyTimeline, "actCopyTimeline", "Copy Image", "Copy a picture of the timeline", TRibbonTab::ExportsImports, None, 0, ED},
    {actSaveImage, "actSaveImage", "Save &Image", "Save a picture of the timeline", TRibbonTab::ExportsImports, None, 0, ED},
    {actExportToExcel, "actExportToExcel", "Export To Excel", "Export the events to a spreadsheet", TRibbonTab::ExportsImports, None, 0, R},
    {actExportToWord, "actExportToWord", "Export to Word", "Export the events to a document", TRibbonTab::ExportsImports, None, 0, R},
    {actImportFromExcel, "actImportFromExcel", "Import from Excel or CSV...", "Add events from a spreadsheet or CSV file", TRibbonTab::ExportsImports, None, 0, R},
    {actImportEvents, "actImportEvents", "Import from Vezizivu...", "Add the events of another timeline", TRibbonTab::ExportsImports, None, 0, R},
    {actMiniSmartExport, "actMiniSmartExport", "Export Events On Screen As Vezizivu...", "Export the events shown as a timeline", TRibbonTab::ExportsImports, None, 0, R | Hidden},
    {actMiniSmartImport, "actMiniSmartImport", "Import Back To Vezizivu...", "Bring an exported timeline back in", TRibbonTab::ExportsImports, None, 0, R | Hidden},
    {mnuReport, "mnuReport", "Report", "Reports of the events", TRibbonTab::ExportsImports, None, 0, Menu | R | Hidden},
    {actMilageWordReport, "actMilageWordReport", "Report - All Events", "Report of every event", TRibbonTab::ExportsImports, mnuReport, 0, R},
    {actMilageWordReportScreen, "actMilageWordReportScreen", "Report - Events On Screen", "Report of the events shown", TRibbonTab::ExportsImports, mnuReport, 0, R},
    {actPublishToWeb, "actPublishToWeb", "Publish to Web...", "Publish the timeline online", TRibbonTab::ExportsImports, None, 0, R},

    {actHelp, "actHelp", "Help...", "Open the help", TRibbonTab::Other, None, 0, NF},
    {actOptions, "actOptions", "Options...", "General options, not specific to any one timeline", TRibbonTab::Other, None, 0, NF},
    {actAbout, "actAbout", "About...", "About Vezizivu", TRibbonTab::Other, None, 0, NF},
    {mnuAdvancedDisplay, "mnuAdvancedDisplay", "Advanced \r\nDisplay Features", "Bays and bar heights", TRibbonTab::Other, None, 0, Menu | R},
    {actBays, "actBays", "Bays...", "Bay width, event snap and bay offset", TRibbonTab::Other, mnuAdvancedDisplay, 0, R},
    {actMinimumBarHeight, "actMinimumBarHeight", "Minimum Bar Height...", "The shortest bar drawn", TRibbonTab::Other, mnuAdvancedDisplay, 0, R},
    {mnuDefaults, "mnuDefaults", "Defaults", "The settings new timelines start from", TRibbonTab::Other, None, 0, Menu | R},
    {actBarColour, "actBarColour", "&Default Bar Colour...", "Colour of bars without a group colour", TRibbonTab::Other, mnuDefaults, 0, R},
    {actBarOutlineColor, "actBarOutlineColor", "Default Bar &Outline Color...", "Colour of the bar outlines", TRibbonTab::Other, mnuDefaults, 0, R},
    {actLabelFont, "actLabelFont", "Default Event Font...", "Font of the event labels", TRibbonTab::Other, mnuDefaults, 0, R},
    {actSetAsDef, "actSetAsDef", "Set Current Settings as Default", "New timelines start with this timeline's display settings", TRibbonTab::Other, mnuDefaults, 0, R},
    {actDefaultBarWidth, "actDefaultBarWidth", "Default Bar Width...", "Width of bars without a group width", TRibbonTab::Other, mnuDefaults, 0, R},
    {actScale, "actScale", "Time to Distance Convert...", "Scale Your Vezizivu: time as distance", TRibbonTab::Other, None, 0, R},
    {actShowHints, "actShowHints", "Show Hints", "Show these hints", TRibbonTab::Other, None, 0, R | Checkable | Hidden},
    {actSlideShowPlay, "actSlideShowPlay", "Slide Show", "Show the events one after another", TRibbonTab::Other, None, 0, R | PageMenu},
    {actUnlockLabels, "actUnlockLabels", "Unlock Labels (temporary)", "Let the event labels move again", TRibbonTab::Other, None, 0, R | PageMenu},
    {actFitBkgnd, "actFitBkgnd", "Fit Background (temporary)", "Fit the background picture to the timeline", TRibbonTab::Other, None, 0, R | PageMenu},

    {actPrevious, "actPrevious", "Previous", "The previous event", TRibbonTab::None, None, 0, 0},
    {actNext, "actNext", "Next", "The next event", TRibbonTab::None, None, 0, 0},
    {actBack, "actBack", "Back", "Back to the timeline", TRibbonTab::None, None, 0, 0},
    {actCopy, "actCopy", "Copy", "Copy the selection", TRibbonTab::None, None, 0, 0},
    {actShowTimeline, "actShowTimeline", "   Vezizivu   ", "Show the timeline", TRibbonTab::None, None, 0, 0},
    {actSearch, "actSearch", "Search...", "Run the current search again", TRibbonTab::None, None, 0, 0},
    {actClearX, "actClearX", "Auto-Position All Events", "Let the display place every event again", TRibbonTab::None, None, 0, 0},
    {actProperties, "actProperties", "&Properties", "View and set properties of this Vezizivu.", TRibbonTab::None, None, 0, 0},
    {actNoAxis, "actNoAxis", "No Axis", "Hide the axis", TRibbonTab::None, None, 3, Checkable},
    {actAxisCentre, "actAxisCentre", "Axis Centre", "Axis in the middle", TRibbonTab::None, None, 3, Checkable | Checked},
    {actAxisLeft, "actAxisLeft", "Axis Left", "Axis on the left", TRibbonTab::None, None, 3, Checkable},
    {actZoomInMode, "actZoomInMode", "Zoom In Mode", "A click zooms in", TRibbonTab::None, None, 34, Checkable},
    {actTransLabels, "actTransLabels", "Transparent Labels", "Labels without a background", TRibbonTab::None, None, 0, Checkable},
};
static_assert(std::size(kCommands) == std::size_t(TCommandId::Count), "one entry per command");

constexpr bool InIdOrder() {
    for (std::size_t i = 0; i < std::size(kCommands); ++i)
        if (std::size_t(kCommands[i].Id) != i)
            return false;
    return true;
}
static_assert(InIdOrder(), "the table is indexed by command id");
} // namespace

std::span<const TCommandDef> TActionRegistry::Commands() {
    return kCommands;
}

const TCommandDef& TActionRegistry::Def(TCommandId id) {
    return kCommands[std::size_t(id)];
}

QString TActionRegistry::TabCaption(TRibbonTab tab) {
    static const char* const captions[] = {"File", "Setup", "Edit", "Display", "Views", "Exports / Imports", "Other"};
    return tab == TRibbonTab::None ? QString() : QString::fromLatin1(captions[int(tab)]);
}

TCommandId TActionRegistry::FindByName(const QString& name) {
    for (const TCommandDef& def : kCommands)
        if (name == QLatin1String(def.Name))
            return def.Id;
    return TCommandId::Count;
}

TActionRegistry::TActionRegistry(QObject* parent) : QObject(parent) {
    m_allowed.fill(true);
    for (const TCommandDef& def : kCommands) {
        auto* action = new QAction(QString::fromUtf8(def.Caption).replace(QLatin1String("\r\n"), QLatin1String("\n")), this);
        action->setObjectName(QLatin1String(def.Name));
        action->setToolTip(QString::fromUtf8(def.Hint));
        action->setStatusTip(QString::fromUtf8(def.Hint));
        action->setCheckable(def.Flags & Checkable);
        action->setChecked(def.Flags & Checked);
        action->setEnabled(false);
        if (def.RadioGroup != 0) {
            QActionGroup* group = RadioGroup(def.RadioGroup);
            if (!group) {
                group = new QActionGroup(this);
                group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
                m_groups.emplace_back(def.RadioGroup, group);
            }
            group->addAction(action);
        }
        const TCommandId id = def.Id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        m_actions[std::size_t(id)] = action;
    }
}

TActionRegistry::~TActionRegistry() = default;

QAction* TActionRegistry::Action(TCommandId id) const {
    return m_actions[std::size_t(id)];
}

QActionGroup* TActionRegistry::RadioGroup(int group) const {
    for (const auto& [number, g] : m_groups)
        if (number == group)
            return g;
    return nullptr;
}

void TActionRegistry::SetHandler(TCommandId id, std::function<void()> handler) {
    m_handlers[std::size_t(id)] = std::move(handler);
    Refresh();
}

bool TActionRegistry::HasHandler(TCommandId id) const {
    return bool(m_handlers[std::size_t(id)]);
}

bool TActionRegistry::Trigger(TCommandId id) {
    QAction* action = Action(id);
    if (!action->isEnabled())
        return false;
    action->trigger();
    return true;
}

void TActionRegistry::SetErrorHandler(std::function<void(const std::exception&)> handler) {
    m_errorHandler = std::move(handler);
}

void TActionRegistry::Run(TCommandId id) {
    const std::function<void()> handler = m_handlers[std::size_t(id)];
    if (!handler)
        return;
    try {
        handler();
    } catch (const EAbort&) {
        // Its message, if any, has been shown.
    } catch (const std::exception& e) {
        if (m_errorHandler)
            m_errorHandler(e);
    }
}

bool TActionRegistry::InSet(const TCommandDef& def) const {
    if (!(def.Flags & Ribbon))
        return true; // tool-panel and code-only commands follow their handler alone
    switch (m_set) {
    case TRibbonSet::None:
        return false;
    case TRibbonSet::NoFile:
        return def.Flags & NoFileSet;
    case TRibbonSet::EventDetail:
        return def.Flags & EventDetailSet;
    case TRibbonSet::Timeline:
        return !(m_readOnlyCopy && (def.Flags & ReadOnlyBlocked));
    }
    return false;
}

void TActionRegistry::Refresh() {
    for (const TCommandDef& def : kCommands) {
        if (def.Flags & Menu)
            continue;
        const std::size_t i = std::size_t(def.Id);
        m_actions[i]->setEnabled(bool(m_handlers[i]) && m_allowed[i] && InSet(def));
    }
    // A drop-down button responds while one of its items does.
    for (const TCommandDef& def : kCommands) {
        if (!(def.Flags & Menu))
            continue;
        bool any = false;
        for (const TCommandDef& item : kCommands)
            any |= item.Parent == def.Id && m_actions[std::size_t(item.Id)]->isEnabled();
        m_actions[std::size_t(def.Id)]->setEnabled(any);
    }
    Q_EMIT EnablingChanged();
}

void TActionRegistry::DisableRibbon() {
    m_set = TRibbonSet::None;
    Refresh();
}

void TActionRegistry::EnableRibbon(TRibbonSet set) {
    m_set = set;
    Refresh();
}

void TActionRegistry::SetReadOnlyCopy(bool readOnlyCopy) {
    m_readOnlyCopy = readOnlyCopy;
    Refresh();
}

void TActionRegistry::SetAllowed(TCommandId id, bool allowed) {
    m_allowed[std::size_t(id)] = allowed;
    Refresh();
}

bool TActionRegistry::IsEnabled(TCommandId id) const {
    return Action(id)->isEnabled();
}

bool TActionRegistry::IsChecked(TCommandId id) const {
    return Action(id)->isChecked();
}

void TActionRegistry::SetChecked(TCommandId id, bool checked) {
    Action(id)->setChecked(checked);
}
