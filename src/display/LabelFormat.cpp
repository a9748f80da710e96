#include "display/LabelFormat.h"

#include "common/Errors.h"

namespace {
[[noreturn]] void Invalid(const QString& format) {
    throw EVzError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

// Reads decimal digits at `i`; -1 when there are none.
int ReadNumber(const QString& f, qsizetype& i) {
    int n = -1;
    while (i < f.size() && f[i].isDigit()) {
        n = (n < 0 ? 0 : n) * 10 + f[i].digitValue();
        if (n > 100000)
            n = 100000;
        ++i;
    }
    return n;
}
} // namespace

QString FormatLabel(const QString& format, const QString& name, const QString& dateText) {
    const QString* args[2] = {&name, &dateText};
    QString out;
    out.reserve(name.size() + dateText.size() + format.size());
    int next = 0;
    qsizetype i = 0;
    const qsizetype n = format.size();
    while (i < n) {
        const qsizetype pct = format.indexOf(QLatin1Char('%'), i);
        if (pct < 0) {
            out += QStringView(format).mid(i);
            break;
        }
        out += QStringView(format).mid(i, pct - i);
        i = pct + 1;
        if (i < n && format[i] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        int index = next;
        int number = ReadNumber(format, i);
        if (i < n && format[i] == QLatin1Char(':')) {
            if (number < 0)
                number = 0;
            index = number;
            ++i;
            number = -1;
        }
        bool left = false;
        if (number < 0 && i < n && format[i] == QLatin1Char('-')) {
            left = true;
            ++i;
        }
        const int width = number >= 0 ? number : ReadNumber(format, i);
        int precision = -1;
        if (i < n && format[i] == QLatin1Char('.')) {
            ++i;
            precision = ReadNumber(format, i);
            if (precision < 0)
                precision = 0;
        }
        if (i >= n || format[i].toLower() != QLatin1Char('s') || index < 0 || index > 1)
            Invalid(format);
        ++i;
        QString value = *args[index];
        if (precision >= 0 && value.size() > precision)
            value.truncate(precision);
        if (width > value.size())
            value = left ? value.leftJustified(width) : value.rightJustified(width);
        out += value;
        next = index + 1;
    }
    return out;
}
