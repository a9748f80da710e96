#include "search/Views.h"

#include "common/Errors.h"
#include "common/MiscUtils.h"
#include "common/Progress.h"
#include "common/TextEncoding.h"
#include "storage/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {
constexpr int kValueLimit = 2047;
const QString kBreak = QStringLiteral("\u00A4\u00AC");
} // namespace

TtlViews::TtlViews(const QString& path) : m_path(path), m_ini(std::make_unique<TIniFile>(path)) {}

TtlViews::~TtlViews() = default;

void TtlViews::Reload() {
    m_ini = std::make_unique<TIniFile>(m_path);
}

bool TtlViews::IsValidViewName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('=')) && !name.contains(QLatin1Char('"')) &&
           !name.contains(QLatin1Char(',')) && !IsReservedViewName(name);
}

bool TtlViews::IsReservedViewName(const QString& name) {
    return name.compare(OrderingSection(), Qt::CaseInsensitive) == 0;
}

QString TtlViews::EncodeMultiLine(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), kBreak);
    t.replace(QLatin1Char('\n'), kBreak);
    t.replace(QLatin1Char('\r'), kBreak);
    return t;
}

QString TtlViews::DecodeMultiLine(const QString& text) {
    QString t = text;
    t.replace(kBreak, QStringLiteral("\r\n"));
    t.replace(TIniFile::LineBreakMarker(), QStringLiteral("\r\n"));
    return t;
}

QString TtlViews::EncodeGroups(const QStringList& groups) {
    QString text = JoinDelimited(groups);
    return text.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
}

QStringList TtlViews::DecodeGroups(const QString& text) {
    QString t = text;
    t.replace(QRegularExpression(QStringLiteral("&quot;"), QRegularExpression::CaseInsensitiveOption),
              QStringLiteral("\""));
    if (t.trimmed().isEmpty())
        return {};
    return SplitDelimited(t, QLatin1Char(','));
}

QString TtlViews::Read(const QString& section, const QString& key) const {
    return m_ini->ReadString(section, key, {}).left(kValueLimit);
}

int TtlViews::ReadInt(const QString& section, const QString& key, int fallback) const {
    return m_ini->ReadInteger(section, key, fallback);
}

void TtlViews::SaveView(const QString& name, bool savePositions, const TSearchRequest& r,
                        const std::vector<TViewEventPosition>& events) {
    // A view without a valid name would land in a section no list shows, or in the ordering.
    if (!IsValidViewName(name))
        throw EVzError(QStringLiteral("Invalid view name \"%1\".").arg(name));
    TIniFile& ini = *m_ini;
    ini.WriteString(name, QStringLiteral("Keywords"), r.Keywords);
    ini.WriteString(name, QStringLiteral("DescKeywords"), r.DescKeywords);
    ini.WriteString(name, QStringLiteral("Tags"), r.Tags());
    ini.WriteString(name, QStringLiteral("Sql"), r.Sql());
    ini.WriteFloat(name, QStringLiteral("Year1"), r.Year1);
    ini.WriteFloat(name, QStringLiteral("Year2"), r.Year2);
    ini.WriteBool(name, QStringLiteral("ShowFeedback"), r.ShowFeedback);
    ini.WriteBool(name, QStringLiteral("UseYearArgs"), r.UseYearArgs);
    ini.WriteString(name, QStringLiteral("Groups"), EncodeGroups(r.Groups));
    ini.WriteString(name, QStringLiteral("Notes"), EncodeMultiLine(r.Notes));
    ini.WriteString(name, QStringLiteral("Title"), r.Title);
    ini.WriteInteger(name, QStringLiteral("TitleLeft"), r.TitleLeft);
    ini.WriteInteger(name, QStringLiteral("TitleTop"), r.TitleTop);
    ini.WriteBool(name, QStringLiteral("TitleVisible"), r.TitleVisible);
    ini.WriteString(name, QStringLiteral("TitleFont"), r.TitleFont);
    ini.WriteString(name, QStringLiteral("TitleColour"), r.TitleColour);
    ini.WriteString(name, QStringLiteral("TextBox"), EncodeMultiLine(r.TextBox));
    ini.WriteInteger(name, QStringLiteral("TextBoxLeft"), r.TextBoxLeft);
    ini.WriteInteger(name, QStringLiteral("TextBoxTop"), r.TextBoxTop);
    ini.WriteInteger(name, QStringLiteral("TextBoxWidth"), r.TextBoxWidth);
    ini.WriteInteger(name, QStringLiteral("TextBoxHeight"), r.TextBoxHeight);
    ini.WriteBool(name, QStringLiteral("TextBoxVisible"), r.TextBoxVisible);
    if (savePositions)
        for (const TViewEventPosition& e : events) {
            ini.WriteInteger(name, QStringLiteral("%1-x").arg(e.ID), e.X);
            ini.WriteInteger(name, QStringLiteral("%1-state").arg(e.ID), e.State & 0x7F);
        }
    ini.WriteString(OrderingSection(), name, QString());
    ini.UpdateFile();
}

void TtlViews::LoadView(const QString& name, TSearchRequest& r,
                        const std::function<QString(int id)>& eventName) {
    r.Keywords = Read(name, QStringLiteral("Keywords"));
    r.DescKeywords = Read(name, QStringLiteral("DescKeywords"));
    r.SetTags(Read(name, QStringLiteral("Tags")));
    r.SetSql(Read(name, QStringLiteral("Sql")));
    r.Year1 = m_ini->ReadFloat(name, QStringLiteral("Year1"), NoRangeValue);
    r.Year2 = m_ini->ReadFloat(name, QStringLiteral("Year2"), NoRangeValue);
    r.ShowFeedback = ReadInt(name, QStringLiteral("ShowFeedback"), 0) != 0;
    r.UseYearArgs = ReadInt(name, QStringLiteral("UseYearArgs"), 0) != 0;
    r.Groups = DecodeGroups(Read(name, QStringLiteral("Groups")));
    r.Notes = DecodeMultiLine(Read(name, QStringLiteral("Notes")));
    r.Title = Read(name, QStringLiteral("Title"));
    r.TitleLeft = ReadInt(name, QStringLiteral("TitleLeft"), 100);
    r.TitleTop = ReadInt(name, QStringLiteral("TitleTop"), 50);
    r.TitleVisible = ReadInt(name, QStringLiteral("TitleVisible"), 0) != 0;
    r.TitleFont = Read(name, QStringLiteral("TitleFont"));
    r.TitleColour = Read(name, QStringLiteral("TitleColour"));
    r.TextBox = DecodeMultiLine(Read(name, QStringLiteral("TextBox")));
    r.TextBoxLeft = ReadInt(name, QStringLiteral("TextBoxLeft"), 50);
    r.TextBoxTop = ReadInt(name, QStringLiteral("TextBoxTop"), 50);
    r.TextBoxWidth = ReadInt(name, QStringLiteral("TextBoxWidth"), 230);
    if (r.TextBoxWidth == 0)
        r.TextBoxWidth = 230;
    r.TextBoxHeight = ReadInt(name, QStringLiteral("TextBoxHeight"), 140);
    if (r.TextBoxHeight == 0)
        r.TextBoxHeight = 140;
    r.TextBoxVisible = ReadInt(name, QStringLiteral("TextBoxVisible"), 0) != 0;
    r.ViewName = name;
    r.BlownAwayNames.clear();
    for (const QString& key : m_ini->Keys(name)) {
        if (key.isEmpty() || !key[0].isDigit() || !key.endsWith(QLatin1String("state"), Qt::CaseInsensitive))
            continue;
        if (Read(name, key).trimmed() != QLatin1String("2"))
            continue;
        bool ok = false;
        const int id = key.section(QLatin1Char('-'), 0, 0).toInt(&ok);
        if (ok && eventName)
            r.BlownAwayNames << eventName(id);
    }
}

void TtlViews::ApplyViewPositions(const QString& name, std::vector<TViewEventPosition>& events) {
    for (TViewEventPosition& e : events) {
        Progress().ProcessEvents();
        e.X = ReadInt(name, QStringLiteral("%1-x").arg(e.ID), e.X);
        e.State = ReadInt(name, QStringLiteral("%1-state").arg(e.ID), e.State);
    }
}

void TtlViews::DeleteView(const QString& name) {
    if (name.isEmpty())
        return;
    m_ini->EraseSection(name);
    m_ini->DeleteKey(OrderingSection(), name);
    m_ini->UpdateFile();
}

QStringList TtlViews::ListViews() {
    const bool ordered = m_ini->SectionExists(OrderingSection());
    QStringList names = ordered ? m_ini->Keys(OrderingSection()) : m_ini->Sections();
    names.removeIf([](const QString& n) {
        return n.compare(OrderingSection(), Qt::CaseInsensitive) == 0;
    });
    if (!ordered)
        WriteOrdering(names);
    return names;
}

void TtlViews::WriteOrdering(const QStringList& names) {
    m_ini->EraseSection(OrderingSection());
    for (const QString& n : names)
        m_ini->WriteString(OrderingSection(), n, QString());
    m_ini->UpdateFile();
}

void TtlViews::RenameView(const QString& oldName, const QString& newName) {
    if (oldName == newName)
        return;
    if (!IsValidViewName(newName))
        throw EVzError(QStringLiteral("Invalid view name \"%1\".").arg(newName));
    QFile file(m_path);
    QString text = file.open(QIODevice::ReadOnly) ? DecodeTextFile(file.readAll()) : QString();
    file.close();
    text.replace(QLatin1Char('[') + oldName + QLatin1Char(']'), QLatin1Char('[') + newName + QLatin1Char(']'),
                 Qt::CaseInsensitive);
    WriteFileAtomically(m_path, text.toUtf8());
    Reload();
    QStringList order = m_ini->Keys(OrderingSection());
    const qsizetype i = order.indexOf(oldName);
    if (i >= 0)
        order[i] = newName;
    WriteOrdering(order);
}
