#include "time/UnitTable.h"

QString MajorShortName(TUnitSystem unit) {
    return QString::fromLatin1(UnitMajorShortNames[unit]);
}

QString MajorLongName(TUnitSystem unit) {
    return QString::fromLatin1(UnitMajorLongNames[unit]);
}

int MinorPerMajor(TUnitSystem unit) {
    return UnitMinorPerMajor[unit];
}

QString MinorShortName(TUnitSystem unit) {
    return QString::fromLatin1(UnitMinorShortNames[unit]);
}

QString MinorLongName(TUnitSystem unit) {
    return QString::fromLatin1(UnitMinorLongNames[unit]);
}

int MinorBase(TUnitSystem unit) {
    return UnitMinorBase[unit];
}

QString QuantityName(TUnitSystem unit) {
    return QString::fromLatin1(UnitQuantityNames[unit]);
}

QString UnitMenuCaption(TUnitSystem unit) {
    return QString::fromLatin1(UnitMenuCaptions[unit]);
}

QString UnitSystemListName(TUnitSystem unit) {
    const QString minor = MinorLongName(unit);
    if (minor.isEmpty())
        return QStringLiteral("%1s").arg(MajorLongName(unit));
    return QStringLiteral("%1s and %2s").arg(MajorLongName(unit), minor);
}

void UnitSystemNames(QStringList& list) {
    list.clear();
    for (TUnitSystem unit : UnitSystemOrder)
        list << UnitSystemListName(unit);
}

int UnitSystemListPosition(TUnitSystem unit) {
    for (int i = 0; i < UnitSystemCount; ++i)
        if (UnitSystemOrder[i] == unit)
            return i;
    return 0;
}

TUnitSystem UnitSystemAtListPosition(int position) {
    if (position < 0 || position >= UnitSystemCount)
        return usCalendarDates;
    return UnitSystemOrder[position];
}

TUnitSystem UnitSystemFromCode(int code, TUnitSystem fallback) {
    return IsValidUnitSystem(code) ? TUnitSystem(code) : fallback;
}
