// Command-line arguments of vezizivu-cli: positional values and "--name value" or
// "--name=value" options.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

class TCliArgs {
public:
    // `flags` are options that take no value. Throws TCliUsageError on malformed input.
    TCliArgs(const QStringList& args, const QStringList& flags = {});

    const QStringList& Positional() const { return m_positional; }
    std::optional<QString> Option(const QString& name) const;
    bool Flag(const QString& name) const { return m_flags.contains(name); }
    // Fails with a usage error when an option outside `known` was given.
    void AllowOnly(const QStringList& known) const;

private:
    QStringList m_positional;
    QMap<QString, QString> m_options;
    QStringList m_flags;
};

// Wrong usage: printed with the usage text, exit status 2.
struct TCliUsageError {
    QString Message;
};

// A refused input (invalid file, invalid entry): exit status 1; the message is printed.
struct TCliRefused {
    QString Message;
};
