// The user's folders the program expects: My Timelines with its Backgrounds (the pictures the
// program ships, "blank.jpg" among them) and Icons (a few group icons). Missing ones are made
// on start-up; pictures already there are left as they are.
#pragma once

#include <QString>
#include <QStringList>

// Creates what is missing; returns false when a folder could not be made.
bool EnsureUserFolders(const QString& personalFolder, const QString& myTimelinesFolder);

// The names of the background pictures the program ships.
QStringList ShippedBackgrounds();
