// The file sequences of an open timeline: New, Open, Load, Save, Save As and Close, and the
// working folder that holds the open timeline's table files, settings, views and background.
//
// A loaded timeline works beside its own .tml; a new one in a private folder under the
// temporary path; a copy opened for viewing in a new time-stamped folder there. Loading only
// reads the .tml. Saving writes the new container completely under the intermediate ".zip"
// name and then renames it over the .tml, so a failed save leaves the previous file as it was.
#pragma once

#include <QString>

class TdtmMain;
class TTimelineState;
class TTimelineFileHost;

class TTimelineFile {
public:
    TTimelineFile(TdtmMain& dm, TTimelineState& timeline, TTimelineFileHost& host);

    // The file name of a new timeline that has not been saved.
    static QString NewTimelineName() { return QStringLiteral("Vezizivu 1"); }

    // Closes the open timeline (asking to save) and starts a new one; false when cancelled or
    // when it failed (the "error 888b4" message has then been shown).
    bool NewTimeline();
    // Opens a .tml (offering a copy for viewing when its folder is in use), then shows the
    // "Home" view; false when cancelled or refused.
    bool OpenTimeline(const QString& path);
    // Closes the open timeline and unpacks `path` into its folder. False when cancelled or
    // when the file is not a timeline (its message has been shown); other failures throw
    // EVzError "Error opening timeline.\r\n(...)".
    bool LoadTimeline(const QString& path);
    // Save (askName false) and Save As (askName true); false when the name dialog was cancelled.
    bool SaveTimeline(bool askName);
    // Writes the open timeline to `path`, whose folder becomes the working folder; false when
    // there was not enough disk space (its message has been shown).
    bool WriteTimelineFile(const QString& path);
    // Closes the open timeline, asking to save it when modified; false when the user cancelled.
    bool CloseTimeline();
    // Deletes the working files of the working folder.
    void RemoveWorkingFiles(bool reportErrors);
    // Packs the container members already in the folder of `path` into the .tml `path`.
    bool PackTimelineFolder(const QString& path);

    // The working folder with a trailing "/"; empty before the first timeline.
    QString WorkingFolder() const { return m_workFolder; }
    bool ReadOnlyCopy() const { return m_readOnlyCopy; }

    // The program's texts.
    static QString NotValidFileText();
    static QString InUseQuestion();
    static QString NotEnoughSpaceText();
    static QString ErrorOpeningText(const QString& detail);
    static QString VendorErrorText(const QString& detail);
    static QString SaveChangesQuestion(const QString& fileName);

private:
    bool CheckDiskSpace(const QString& sourceFolder, const QString& targetPath);
    void WriteArchive(const QString& folder, const QString& zipPath, bool includeSettingsAndPicture);
    void ReopenAfterFailure();
    void TidyIntermediate();
    void SetWorkingFolder(const QString& folder, bool privateFolder);

    TdtmMain& m_dm;
    TTimelineState& m_timeline;
    TTimelineFileHost& m_host;
    QString m_workFolder;
    bool m_privateFolder = false;  // a new timeline's folder, removed when it closes
    bool m_readOnlyCopy = false;
    QString m_copyFolder;          // the folder of a copy opened for viewing
};
