// What the view editor works with: the view, the state of the main window's display and the
// ways to read it, and where the views are stored.
#pragma once

#include "search/DisplaySource.h"
#include "search/SearchClass.h"
#include "search/SearchFormPersistence.h"
#include "search/ViewDecorations.h"
#include "search/Views.h"
#include "time/TimeTypes.h"

#include <QString>
#include <QStringList>

#include <exception>
#include <functional>
#include <vector>

class TdtmSQL;

struct TViewEditorContext {
    QString ViewName;  // empty for a new view
    QString ViewsPath; // "Views.ini" of the working folder
    TUnitSystem Units = usCalendarDates;
    QStringList GroupNames;
    TdtmSQL* SqlBuilder = nullptr;
    // The main window's range as sent to the query, what produced the display, and the request
    // of the view shown last.
    double Low = NoRangeValue, High = NoRangeValue;
    TDisplaySource Source = dsNone;
    TSearchRequest ViewRequest;

    std::function<QString(int id)> EventName;
    std::function<TSearchFormPersistence::TValues()> SearchForm;
    std::function<QStringList()> BlownAwayLabels;
    std::function<std::vector<TViewEventPosition>()> Positions;
    std::function<TViewDecorations()> Decorations;
    std::function<void()> MarkModified;
    // A failure while saving from the dialog's OK (the dialog then stays open).
    std::function<void(const std::exception&)> OnError;
};
