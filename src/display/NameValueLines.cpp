#include "display/NameValueLines.h"

namespace {
// The name part of a line: the text before its first "=", or the whole line.
QStringView NameOf(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return eq < 0 ? QStringView(line) : QStringView(line).left(eq);
}

qsizetype FindLine(const QStringList& lines, const QString& name) {
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines[i].contains(QLatin1Char('=')) &&
            NameOf(lines[i]).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}
} // namespace

QStringList SplitMemoLines(const QString& memo) {
    QStringList lines;
    if (memo.isEmpty())
        return lines;
    qsizetype start = 0;
    const qsizetype n = memo.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = memo[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << memo.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < n && memo[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines << memo.mid(start);
    return lines;
}

QString JoinMemoLines(const QStringList& lines) {
    QString memo;
    for (const QString& line : lines)
        memo += line + QStringLiteral("\r\n");
    return memo;
}

std::optional<QString> LineValue(const QStringList& lines, const QString& name) {
    const qsizetype i = FindLine(lines, name);
    if (i < 0)
        return std::nullopt;
    return lines[i].mid(lines[i].indexOf(QLatin1Char('=')) + 1);
}

void SetLineValue(QStringList& lines, const QString& name, const QString& value) {
    const qsizetype i = FindLine(lines, name);
    if (i < 0)
        lines << name + QLatin1Char('=') + value;
    else
        lines[i] = NameOf(lines[i]).toString() + QLatin1Char('=') + value;
}
