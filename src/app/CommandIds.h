// The identifiers of the main window's commands and of the ribbon's drop-down buttons. The
// action registry holds one entry per identifier (TActionRegistry.cpp), in ribbon order.
#pragma once

enum class TCommandId {
    // File
    actNew, actOpen, actSave, actSaveAs, actPrint, FilePrintSetup1, actClose, FileExit1,
    // Setup
    mnuUnits, actUnitsCalendarDates, actUnitsYearsAndMonths, actUnitsYearsAndWeeks, actUnitsDaysAndHours,
    actUnitsHoursAndMinutes, actUnitsSteps, actUnitsKilometresAndMetres, actUnitsMetresAndCentimetres,
    actAxisText, mnuAxisTextPosition, actAxisTextTop, actAxisTextMiddle, actAxisTextBottom,
    actBackgroundPic, actNoBackground, actToggleToKioskMode,
    // Edit
    actAddEventWiz, actGroups, actShiftEvents, actPasswordProtection,
    // Display
    actGridLines, actViewLegend, actLabelStyle, actAutoWrapLabels, actAxisFont, actAxisLabelColor, actAxisStyle,
    actAxisOrientation, actShowRealBarHeight,
    // Views
    actAdvSearch, actShowAll, actManageViews, actEditView, actUpdateViewFromDisplay, actZoomQuery,
    actSelectionMode, actBlowawayMode, actRestoreEvents,
    // Exports / Imports
    actCopyTimeline, actSaveImage, actExportToExcel, actExportToWord, actImportFromExcel, actImportEvents,
    actMiniSmartExport, actMiniSmartImport, mnuReport, actMilageWordReport, actMilageWordReportScreen,
    actPublishToWeb,
    // Other
    actHelp, actOptions, actAbout, mnuAdvancedDisplay, actBays, actMinimumBarHeight, mnuDefaults, actBarColour,
    actBarOutlineColor, actLabelFont, actSetAsDef, actDefaultBarWidth, actScale, actShowHints,
    // The Other tab's right-click menu
    actSlideShowPlay, actUnlockLabels, actFitBkgnd,
    // The event tool panel and the detail pages
    actPrevious, actNext, actBack, actCopy,
    // Run by code, or offered by no control in normal use
    actShowTimeline, actSearch, actClearX, actProperties, actNoAxis, actAxisCentre, actAxisLeft, actZoomInMode,
    actTransLabels,
    Count
};
