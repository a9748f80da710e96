// Sets the default locale for one test and restores the previous one.
#pragma once

#include <QLocale>

class TLocaleScope {
public:
    explicit TLocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~TLocaleScope() { QLocale::setDefault(m_previous); }
    TLocaleScope(const TLocaleScope&) = delete;
    TLocaleScope& operator=(const TLocaleScope&) = delete;

private:
    QLocale m_previous;
};
