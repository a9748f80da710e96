#include "search/SearchFormPersistence.h"

#include "search/SearchText.h"
#include "time/DateNumbers.h"

#include <QSettings>

TSearchFormPersistence::TValues TSearchFormPersistence::Load() const {
    QSettings settings(QStringLiteral("Corvane"), QStringLiteral("Vezizivu"));
    settings.beginGroup(Group());
    const auto text = [&settings](const char* name) {
        return settings.value(QLatin1String(name)).toString();
    };
    TValues v;
    v.DateRangeUsed = text("DateRangeUsed").compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
    v.Date1 = text("Date1");
    v.Date2 = text("Date2");
    v.RealDate1 = ReadShortDate(text("RealDate1"));
    v.RealDate2 = ReadShortDate(text("RealDate2"));
    v.NameKeywords = text("NameKeywords");
    v.DescKeywords = text("DescKeywords");
    const QString groups = text("Groups");
    if (!groups.trimmed().isEmpty())
        v.Groups = SplitDelimited(groups, QLatin1Char(','));
    v.Tags = NormaliseTags(text("Tags"));
    return v;
}

void TSearchFormPersistence::Save(const TValues& v) {
    QSettings settings(QStringLiteral("Corvane"), QStringLiteral("Vezizivu"));
    settings.beginGroup(Group());
    settings.setValue(QStringLiteral("DateRangeUsed"),
                      v.DateRangeUsed ? QStringLiteral("yes") : QStringLiteral("no"));
    settings.setValue(QStringLiteral("Date1"), v.Date1);
    settings.setValue(QStringLiteral("Date2"), v.Date2);
    const auto date = [&settings](const QString& name, const QDate& d) {
        if (d.isValid())
            settings.setValue(name, ShortDateText(d));
        else
            settings.remove(name);
    };
    date(QStringLiteral("RealDate1"), v.RealDate1);
    date(QStringLiteral("RealDate2"), v.RealDate2);
    settings.setValue(QStringLiteral("NameKeywords"), v.NameKeywords);
    settings.setValue(QStringLiteral("DescKeywords"), v.DescKeywords);
    settings.setValue(QStringLiteral("Groups"), JoinDelimited(v.Groups));
    settings.setValue(QStringLiteral("Tags"), NormaliseTags(v.Tags));
}

void TSearchFormPersistence::Delete() {
    QSettings settings(QStringLiteral("Corvane"), QStringLiteral("Vezizivu"));
    settings.remove(Group());
}
