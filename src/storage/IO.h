// Where the program keeps things on this machine: the defaults file "quistor.ini", the per-user
// values, the documents folder, the My Timelines folder with its Backgrounds and Icons, and the
// folder object TIO that remembers the last used folder.
//
// Locations (every one follows the XDG variables, which is how tests isolate themselves):
//   quistor.ini      <GenericConfigLocation>/Corvane/tl/quistor.ini (e.g. ~/.config/Corvane/tl/)
//                    - the defaults of this installation for this account
//   per-user values  QSettings("Corvane", "Vezizivu"), native format (~/.config/Corvane/Vezizivu.conf)
//   PersonalFolder   <DocumentsLocation>/ (e.g. ~/Documents/)
//   My Timelines     the MyTimelines key of quistor.ini, else PersonalFolder + "My Timelines"
//   Backgrounds      PersonalFolder + "My Timelines/Backgrounds/" (always below the documents folder)
//   Icons            MyTimelinesFolder + "/Icons/"
#pragma once

#include <QString>

// The path of "quistor.ini".
QString DefaultSettingsPath();

// A string value under the per-user key; empty when missing.
QString ReadUserValue(const QString& name);
// Writes a string value under the per-user key. Throws EVzError "Error opening/creating key : "
// + the key path when it cannot be stored.
void WriteUserValue(const QString& name, const QString& text);
// The per-user key as the error text names it.
QString UserKeyPath();

// The user's documents folder with a trailing "/".
QString PersonalFolder();
// PersonalFolder + "My Timelines" (no trailing "/"): the My Timelines folder when quistor.ini
// names none.
QString DefaultMyTimelinesFolder(const QString& personalFolder);
// PersonalFolder + "My Timelines/Backgrounds/".
QString BackgroundsFolder(const QString& personalFolder);
// The Icons folder inside the My Timelines folder, with a trailing "/".
QString IconsFolder(const QString& myTimelinesFolder);

// The folder object: the My Timelines folder and the last used folder ("LastUsedDir"), which is
// read when it is created and written when it is destroyed.
class TIO {
public:
    // `myTimelinesFolder` must be a non-empty path; it is created when missing.
    explicit TIO(const QString& myTimelinesFolder);
    ~TIO();
    TIO(const TIO&) = delete;
    TIO& operator=(const TIO&) = delete;

    const QString& MyTimelinesFolder() const { return m_myTimelines; }
    const QString& LastUsedFolder() const { return m_lastUsed; }
    // The last used folder when it is set and exists, otherwise the My Timelines folder.
    QString InitialFolder() const;
    void SetLastUsedFolder(const QString& folder) { m_lastUsed = folder; }

private:
    QString m_myTimelines;
    QString m_lastUsed;
};
