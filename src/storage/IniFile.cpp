#include "storage/IniFile.h"

#include "common/ColourText.h"
#include "common/Errors.h"
#include "common/MiscUtils.h"
#include "common/TextEncoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <list>
#include <string>

#define SI_CONVERT_ICU
#include <SimpleIni.h>

struct TIniFile::TImpl {
    CSimpleIniA Ini{true, false, false};
};

namespace {
std::string Utf8(const QString& text) {
    return text.toStdString();
}
} // namespace

TIniFile::TIniFile(const QString& path) : m_path(path), m_impl(std::make_unique<TImpl>()) {
    m_impl->Ini.SetSpaces(false);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // an unreadable file reads as a file without keys
    const std::string text = Utf8(DecodeTextFile(file.readAll()));
    m_impl->Ini.LoadData(text.data(), text.size());
}

TIniFile::~TIniFile() = default;

QString TIniFile::EncodeLineBreaks(const QString& text) {
    QString result = text;
    result.replace(QLatin1String("\r\n"), LineBreakMarker());
    // A lone CR or LF would end the line in the file and cut the value.
    result.replace(QLatin1Char('\n'), LineBreakMarker());
    result.replace(QLatin1Char('\r'), LineBreakMarker());
    return result;
}

QString TIniFile::DecodeLineBreaks(const QString& text) {
    QString result = text;
    return result.replace(LineBreakMarker(), QLatin1String("\r\n"));
}

QString TIniFile::FloatText(double value) {
    QString text = QString::number(value, 'g', 15);
    const QString point = QLocale().decimalPoint();
    if (point != QLatin1String("."))
        text.replace(QLatin1Char('.'), point);
    return text;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
    return m_impl->Ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str(), nullptr) != nullptr;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& fallback) const {
    const char* value = m_impl->Ini.GetValue(Utf8(section).c_str(), Utf8(key).c_str(), nullptr);
    return value ? QString::fromUtf8(value) : fallback;
}

QString TIniFile::ReadText(const QString& section, const QString& key, const QString& fallback) const {
    return ValueExists(section, key) ? DecodeLineBreaks(ReadString(section, key, {})) : fallback;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int fallback) const {
    qint64 value = 0;
    if (!ReadIntegerText(ReadString(section, key, {}), value) || value < INT_MIN || value > INT_MAX)
        return fallback;
    return int(value);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

double TIniFile::ReadFloat(const QString& section, const QString& key, double fallback) const {
    QString text = ReadString(section, key, {}).trimmed();
    if (text.isEmpty())
        return fallback;
    // Files may come from a machine with either decimal separator.
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? value : fallback;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    m_impl->Ini.SetValue(Utf8(section).c_str(), Utf8(key).c_str(), Utf8(EncodeLineBreaks(value)).c_str());
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::WriteFloat(const QString& section, const QString& key, double value) {
    WriteString(section, key, FloatText(value));
}

QStringList TIniFile::Sections() const {
    CSimpleIniA::TNamesDepend sections;
    m_impl->Ini.GetAllSections(sections);
    sections.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList result;
    for (const auto& s : sections)
        result << QString::fromUtf8(s.pItem);
    return result;
}

QStringList TIniFile::Keys(const QString& section) const {
    CSimpleIniA::TNamesDepend keys;
    m_impl->Ini.GetAllKeys(Utf8(section).c_str(), keys);
    keys.sort(CSimpleIniA::Entry::LoadOrder());
    QStringList result;
    for (const auto& k : keys)
        result << QString::fromUtf8(k.pItem);
    return result;
}

QByteArray TIniFile::ToBytes() const {
    std::string out;
    m_impl->Ini.Save(out, false);
    QByteArray bytes = QByteArray::fromStdString(out);
    bytes.replace("\r\n", "\n");
    bytes.replace("\n", "\r\n");
    return bytes;
}

void TIniFile::UpdateFile() {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    WriteFileAtomically(m_path, ToBytes());
}
