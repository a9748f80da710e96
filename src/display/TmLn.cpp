#include "display/TmLn.h"

#include <QFileInfo>

TTimeLine::TTimeLine() = default;

TTimeLine::~TTimeLine() = default;

void TTimeLine::SetUnits(TUnitSystem units) {
    m_units = units;
}

void TTimeLine::SetFileName(const QString& fileName) {
    m_fileName = fileName;
    m_fileNameHasNoFolder = !fileName.contains(QLatin1Char('/'));
}

void TTimeLine::ClearTimeline() {
    SetFileName(QString());
    m_password.clear();
    m_captionFollowsUnits = true;
}
