#include "search/SQLDataMod.h"

#include "search/SearchText.h"

#include <QRegularExpression>

#include <cmath>

TdtmSQL::TdtmSQL() {
    m_main = {QStringLiteral("<#SELECT>"), QStringLiteral("from Event A "),
              QStringLiteral("left join Category B on A.CategoryID = B.ID "),
              QStringLiteral("where (A.ID <> -1) <#CHECKDATE><#CHECKTEXT><#CHECKTAGS><#GROUPS>"),
              QStringLiteral("<#ORDERBY>")};
    m_range = {QStringLiteral("and ((A.Start <= <#DATE2> and A.\"End\" >= <#DATE1>) or "),
               QStringLiteral("        (A.Start <= <#DATE2> and A.Start >= <#DATE1> and A.\"End\" is null)) ")};
    m_text = {QStringLiteral(" and (<#NAME_CLAUSE> <#NAME_DESC_LOGIC> <#DESC_CLAUSE>)")};
    for (int i = 0; i < 3; ++i) {
        m_name[i] = {QStringLiteral("(Upper(A.Name) like '%<#NAME%1>%')").arg(i + 1)};
        m_desc[i] = {QStringLiteral("(Upper(A.Description) like '%<#DESC%1>%')").arg(i + 1)};
    }
}

QString TdtmSQL::RangeBoundText(double value) {
    return QString::number(std::round(value) + 0.0, 'f', 0); // + 0.0: never "-0"
}

QString TdtmSQL::Expand(const QStringList& lines) {
    static const QRegularExpression tag(QStringLiteral("<#([A-Z0-9_]+)>"));
    QString out;
    for (const QString& line : lines) {
        qsizetype last = 0;
        for (auto it = tag.globalMatch(line); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            out += line.mid(last, m.capturedStart() - last);
            out += Tag(m.captured(1));
            last = m.capturedEnd();
        }
        out += line.mid(last) + QStringLiteral("\r\n");
    }
    return out;
}

QString TdtmSQL::KeywordClause(const QString& keywords, const QStringList* templates[3]) {
    if (keywords.isEmpty())
        return {};
    const TKeywords k = SplitKeywords(keywords);
    QStringList parts;
    const QString* words[3] = {&k.K1, &k.K2, &k.K3};
    for (int i = 0; i < 3; ++i)
        if (!words[i]->isEmpty())
            parts << Expand(*templates[i]);
    if (parts.isEmpty())
        return {};
    return QLatin1Char('(') + parts.join(QStringLiteral(" and ")) + QLatin1Char(')');
}

QString TdtmSQL::Tag(const QString& name) {
    const bool fullMode = m_mode == smFullWithRange || m_mode == smFullNoRange;
    if (name == QLatin1String("SELECT"))
        return QStringLiteral("select *");
    if (name == QLatin1String("CHECKDATE"))
        return m_mode == smSimpleWithRange || m_mode == smFullWithRange ? Expand(m_range) : QString();
    if (name == QLatin1String("DATE1"))
        return RangeBoundText(m_date1);
    if (name == QLatin1String("DATE2"))
        return RangeBoundText(m_date2);
    if (name == QLatin1String("CHECKTEXT"))
        return !m_nameKeywords.isEmpty() || !m_descKeywords.isEmpty() ? Expand(m_text) : QString();
    if (name == QLatin1String("NAME_CLAUSE")) {
        const TKeywords k = SplitKeywords(m_nameKeywords);
        m_name1 = k.K1, m_name2 = k.K2, m_name3 = k.K3;
        const QStringList* t[3] = {&m_name[0], &m_name[1], &m_name[2]};
        return KeywordClause(m_nameKeywords, t);
    }
    if (name == QLatin1String("DESC_CLAUSE")) {
        const TKeywords k = SplitKeywords(m_descKeywords);
        m_desc1 = k.K1, m_desc2 = k.K2, m_desc3 = k.K3;
        const QStringList* t[3] = {&m_desc[0], &m_desc[1], &m_desc[2]};
        return KeywordClause(m_descKeywords, t);
    }
    if (name == QLatin1String("NAME_DESC_LOGIC")) {
        if (m_nameKeywords.isEmpty() || m_descKeywords.isEmpty())
            return {};
        return fullMode ? QStringLiteral("and") : QStringLiteral("or");
    }
    if (name == QLatin1String("NAME1"))
        return m_name1;
    if (name == QLatin1String("NAME2"))
        return m_name2;
    if (name == QLatin1String("NAME3"))
        return m_name3;
    if (name == QLatin1String("DESC1"))
        return m_desc1;
    if (name == QLatin1String("DESC2"))
        return m_desc2;
    if (name == QLatin1String("DESC3"))
        return m_desc3;
    if (name == QLatin1String("CHECKTAGS"))
        return TagsClause(m_tags);
    if (name == QLatin1String("GROUPS"))
        return fullMode ? GroupsClause(m_groups) : QString();
    if (name == QLatin1String("ORDERBY"))
        return QStringLiteral("order by A.Start, A.\"End\", A.Name");
    return {};
}

QString TdtmSQL::MakeSimpleSQL(const QString& text, TSearchMode mode, double low, double high) {
    m_date1 = low;
    m_date2 = high;
    // Quotes are doubled here too, so a typed apostrophe cannot break the query.
    m_nameKeywords = m_descKeywords = QuoteDoubled(text.toUpper());
    m_mode = mode;
    m_tags.clear();
    return Expand(m_main);
}

QString TdtmSQL::MakeSQL(const QString& nameText, const QString& descText, const QString& tags,
                         TSearchMode mode, const QStringList& groups, double low, double high) {
    m_date1 = low;
    m_date2 = high;
    m_nameKeywords = QuoteDoubled(nameText.toUpper());
    m_descKeywords = QuoteDoubled(descText.toUpper());
    m_groups = groups;
    m_tags = tags;
    m_mode = mode;
    return Expand(m_main);
}
