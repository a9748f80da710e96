// The criteria the search dialog hands over when it ends with OK.
#pragma once

#include "search/SearchText.h"

#include <QString>
#include <QStringList>

struct TAdvancedSearch {
    QString NameText;
    QString DescText;
    QString Tags;
    // The checked groups; empty when every group is checked (no group condition).
    QStringList Groups;
    bool UseRange = false;
    double Date1 = NoRangeValue;
    double Date2 = NoRangeValue;
};
