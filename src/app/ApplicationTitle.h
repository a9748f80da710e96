// The application title: "Vezizivu" while the process starts, "Zazurovo 3" once the main window
// exists. Window captions and message boxes show it.
#pragma once

#include <QString>

QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

inline QString StartTitle() { return QStringLiteral("Vezizivu"); }
inline QString MainTitle() { return QStringLiteral("Zazurovo 3"); }

// The window caption: the title alone without a file, else title, " - " and the file-name part.
QString WindowCaption(const QString& title, const QString& fileName);
