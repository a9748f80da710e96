#include "app/ApplicationTitle.h"

#include <QFileInfo>

namespace {
QString& Title() {
    static QString title = StartTitle();
    return title;
}
} // namespace

QString ApplicationTitle() {
    return Title();
}

void SetApplicationTitle(const QString& title) {
    Title() = title;
}

QString WindowCaption(const QString& title, const QString& fileName) {
    if (fileName.isEmpty())
        return title;
    return title + QStringLiteral(" - ") + QFileInfo(fileName).fileName();
}
