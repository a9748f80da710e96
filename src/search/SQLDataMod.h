// The SQL builder: the query text that selects the events to show, expanded from fixed
// templates whose "<#TAG>" marks are replaced by the conditions of the search.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

enum TSearchMode : quint8 {
    smSimpleWithRange = 0,
    smSimpleNoRange = 1,
    smFullWithRange = 2,
    smFullNoRange = 3,
};

class TdtmSQL {
public:
    TdtmSQL();

    // A simple search: name or description keywords (upper-cased, quotes doubled), the range
    // low..high in modes 0 and 2, no tags; the group list stays as it was.
    QString MakeSimpleSQL(const QString& text, TSearchMode mode, double low, double high);
    // A full search: name and description keywords (upper-cased, quotes doubled), tags,
    // groups (mode 2 or 3) and the range in mode 2.
    QString MakeSQL(const QString& nameText, const QString& descText, const QString& tags,
                    TSearchMode mode, const QStringList& groups, double low, double high);

    // A bound as the templates print it: the whole number, halves rounded away from zero.
    static QString RangeBoundText(double value);

private:
    QString Expand(const QStringList& lines);
    QString Tag(const QString& name);
    QString KeywordClause(const QString& keywords, const QStringList* templates[3]);

    QStringList m_main, m_range, m_text, m_name[3], m_desc[3];
    double m_date1 = 0, m_date2 = 0;
    TSearchMode m_mode = smSimpleNoRange;
    QString m_nameKeywords, m_descKeywords, m_tags;
    QString m_name1, m_name2, m_name3, m_desc1, m_desc2, m_desc3;
    QStringList m_groups;
};
