#include "search/SearchClass.h"

void TSearchRequest::Clear() {
    Keywords.clear();
    DescKeywords.clear();
    m_tags.clear();
    m_sql.clear();
    ShowFeedback = false;
    UseYearArgs = false;
    Year1 = NoRangeValue;
    Year2 = NoRangeValue;
    Groups.clear();
    Title.clear();
    TextBox.clear();
}

void TSearchRequest::SetSql(const QString& sql) {
    m_sql = sql;
    m_sql.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
}

void TSearchRequest::BuildSQL(TdtmSQL& builder) {
    SetSql(builder.MakeSQL(Keywords, DescKeywords, m_tags, UseYearArgs ? smFullWithRange : smFullNoRange,
                           Groups, Year1, Year2));
}
