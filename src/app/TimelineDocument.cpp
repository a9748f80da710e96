#include "app/TimelineDocument.h"

#include "common/Errors.h"
#include "common/MiscUtils.h"

#include <QFile>
#include <QFileInfo>

#define SI_CONVERT_ICU
#include <SimpleIni.h>

namespace {
// The unit system is the one setting the headless document keeps; the file keeps every other
// key as it was.
int ReadUnits(const QString& path) {
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return usCalendarDates;
    CSimpleIniCaseA ini;
    ini.SetUnicode(true);
    if (ini.LoadFile(QFile::encodeName(path).constData()) < 0)
        return usCalendarDates;
    const long units = ini.GetLongValue("General", "Units", usCalendarDates);
    return IsValidUnitSystem(int(units)) ? int(units) : usCalendarDates;
}
} // namespace

TTimelineDocument::TTimelineDocument() : m_file(m_dm, m_timeline, *this) {
    m_dm.SetTimeline(&m_timeline);
}

TTimelineDocument::~TTimelineDocument() = default;

void TTimelineDocument::ReadSettings(const QString& path, bool timelineMode) {
    if (timelineMode)
        m_timeline.SetUnits(TUnitSystem(ReadUnits(path)));
}

void TTimelineDocument::WriteSettings(const QString& path, bool timelineMode) {
    if (!timelineMode)
        return;
    const bool exists = QFileInfo(path).isFile();
    if (exists && ReadUnits(path) == m_timeline.Units())
        return;
    CSimpleIniCaseA ini;
    ini.SetUnicode(true);
    ini.SetSpaces(false);
    if (exists)
        ini.LoadFile(QFile::encodeName(path).constData());
    ini.SetLongValue("General", "Units", long(m_timeline.Units()));
    std::string out;
    ini.Save(out);
    WriteFileAtomically(path, QByteArray::fromStdString(out));
}

void TTimelineDocument::LoadBackground(const QString& path) {
    m_timeline.LoadBackground(path);
}

void TTimelineDocument::WriteBackground(const QString& path) {
    m_timeline.WriteBackground(path);
}
