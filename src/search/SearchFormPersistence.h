// The remembered fields of the search dialog, kept as per-user string values in the group
// "SearchFrm" of the program's settings. Opening a timeline deletes them, so the dialog starts
// empty for every timeline.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class TSearchFormPersistence {
public:
    struct TValues {
        bool DateRangeUsed = false;
        QString Date1, Date2;       // the texts of the two range boxes
        QDate RealDate1, RealDate2; // the picker dates; invalid when a picker showed none
        QString NameKeywords, DescKeywords;
        QStringList Groups; // the checked group names
        QString Tags;       // normalised
    };

    static QString Group() { return QStringLiteral("SearchFrm"); }

    // The stored values; a missing value reads as empty (a range only when "yes").
    TValues Load() const;
    // Stores every value. A picker without a date removes its stored date, so it does not come
    // back the next time the dialog opens.
    void Save(const TValues& values);
    // Deletes the whole group.
    void Delete();
};
