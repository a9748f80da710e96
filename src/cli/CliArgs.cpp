#include "cli/CliArgs.h"

TCliArgs::TCliArgs(const QStringList& args, const QStringList& flags) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (!a.startsWith(QLatin1String("--")) || a == QLatin1String("--")) {
            m_positional << a;
            continue;
        }
        QString name = a.mid(2);
        QString value;
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            value = name.mid(eq + 1);
            name = name.left(eq);
        } else if (flags.contains(name)) {
            m_flags << name;
            continue;
        } else {
            if (i + 1 >= args.size())
                throw TCliUsageError{QStringLiteral("The option --%1 needs a value.").arg(name)};
            value = args[++i];
        }
        if (name.isEmpty())
            throw TCliUsageError{QStringLiteral("An option has no name: %1").arg(a)};
        m_options.insert(name, value);
    }
}

std::optional<QString> TCliArgs::Option(const QString& name) const {
    const auto it = m_options.constFind(name);
    if (it == m_options.constEnd())
        return std::nullopt;
    return it.value();
}

void TCliArgs::AllowOnly(const QStringList& known) const {
    for (auto it = m_options.constBegin(); it != m_options.constEnd(); ++it)
        if (!known.contains(it.key()))
            throw TCliUsageError{QStringLiteral("Unknown option --%1.").arg(it.key())};
    for (const QString& f : m_flags)
        if (!known.contains(f))
            throw TCliUsageError{QStringLiteral("Unknown option --%1.").arg(f)};
}
