// An INI file held in memory: section and key names compared without regard to letter case,
// the order of sections and keys kept, "name=value" without blanks. Reading loads the whole
// file (a missing file reads as empty; UTF-8, or Windows-1252 for older files); UpdateFile
// writes it back whole in UTF-8 with CRLF line ends, replacing the file in one step, so every
// section and key it did not touch is kept.
//
// Value encodings: booleans "1"/"0" (read as an integer, non-zero true), integers in decimal
// ("$" hexadecimal accepted), floats with 15 significant digits and the locale's decimal
// separator (either separator accepted), texts with line breaks as "!!!CR!!!".
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class TIniFile {
public:
    explicit TIniFile(const QString& path);
    ~TIniFile();
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const QString& Path() const { return m_path; }

    bool ValueExists(const QString& section, const QString& key) const;
    // The raw value; `fallback` when the key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& fallback) const;
    // A text whose line breaks were written as "!!!CR!!!".
    QString ReadText(const QString& section, const QString& key, const QString& fallback) const;
    int ReadInteger(const QString& section, const QString& key, int fallback) const;
    bool ReadBool(const QString& section, const QString& key, bool fallback) const;
    double ReadFloat(const QString& section, const QString& key, double fallback) const;

    // Line breaks in `value` become "!!!CR!!!", so a value always stays on its one line.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void WriteFloat(const QString& section, const QString& key, double value);

    QStringList Sections() const;
    QStringList Keys(const QString& section) const;

    // Writes the whole file back. Throws EVzError when it cannot be written.
    void UpdateFile();

    // The text of the whole file as UpdateFile writes it.
    QByteArray ToBytes() const;

    static QString LineBreakMarker() { return QStringLiteral("!!!CR!!!"); }
    static QString EncodeLineBreaks(const QString& text);
    static QString DecodeLineBreaks(const QString& text);
    // 15 significant digits with the locale's decimal separator (0.1f gives 0.100000001490116).
    static QString FloatText(double value);

private:
    struct TImpl;
    QString m_path;
    std::unique_ptr<TImpl> m_impl;
};
