#include "common/Dialogs.h"

#include "common/ScriptedDialogs.h"

namespace {
TDialogs* g_current = nullptr;

TDialogs& DefaultDialogs() {
    static TScriptedDialogs dialogs;
    return dialogs;
}
} // namespace

TDialogs& Dialogs() {
    return g_current ? *g_current : DefaultDialogs();
}

TDialogs* SetDialogs(TDialogs* dialogs) {
    TDialogs* previous = g_current;
    g_current = dialogs;
    return previous;
}

QStringList FilterToNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // The description may already show the pattern ("Timelines (*.tml)").
        const QString description = parts[i];
        if (description.contains(QLatin1Char('(')))
            result << description.section(QLatin1Char('('), 0, 0).trimmed() +
                          QStringLiteral(" (") + patterns + QLatin1Char(')');
        else
            result << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return result;
}
