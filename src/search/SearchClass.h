// The criteria of one search, with the title and text-box settings a view stores with them.
#pragma once

#include "search/SQLDataMod.h"
#include "search/SearchText.h"

#include <QString>
#include <QStringList>

class TSearchRequest {
public:
    QString Keywords;     // name keywords (the text of a simple search)
    QString DescKeywords; // description keywords
    bool ShowFeedback = false;
    bool UseYearArgs = false;
    double Year1 = NoRangeValue;
    double Year2 = NoRangeValue;
    QStringList Groups;
    QStringList BlownAwayNames; // events hidden in a view, for display only (not cleared)
    QString Notes;              // not cleared
    QString Title;
    bool TitleVisible = false;  // not cleared
    int TitleLeft = 0, TitleTop = 0;
    QString TitleFont;
    QString TitleColour;
    QString TextBox;
    bool TextBoxVisible = false;
    int TextBoxLeft = 0, TextBoxTop = 0, TextBoxWidth = 0, TextBoxHeight = 0;
    QString ViewName;

    // Resets the search criteria, the title text and the text box text; the fields marked
    // "not cleared" keep their values.
    void Clear();

    const QString& Tags() const { return m_tags; }
    // Held normalised.
    void SetTags(const QString& tags) { m_tags = NormaliseTags(tags); }
    const QString& Sql() const { return m_sql; }
    // Line breaks (CR LF) become spaces.
    void SetSql(const QString& sql);

    // Sql = the full query of these criteria (mode 2 with a range, 3 without).
    void BuildSQL(TdtmSQL& builder);

    // Groups from the checked names of a check list, and the check state of a name.
    void SetGroupsFromChecked(const QStringList& checkedNames) { Groups = checkedNames; }
    bool GroupChecked(const QString& name) const { return Groups.contains(name); }

private:
    QString m_tags;
    QString m_sql;
};
