#include "storage/TimelineFile.h"

#include "common/Dialogs.h"
#include "common/Errors.h"
#include "common/MiscUtils.h"
#include "common/Progress.h"
#include "common/Vendor.h"
#include "storage/Container.h"
#include "storage/Database.h"
#include "storage/MainDataMod.h"
#include "storage/TimelineFileHost.h"
#include "storage/TimelineState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cmath>

namespace {
const QString kEvent = QStringLiteral("Event.ff2");
const QString kCategory = QStringLiteral("Category.ff2");
const QString kSettings = QStringLiteral("Vezizivu.ini");
const QString kViews = QStringLiteral("Views.ini");
const QString kBackdrop = QStringLiteral("Backdrop.bmp");
const QString kDummy = QStringLiteral("dummy.txt");

// Stops the timeline panel from redrawing until the scope ends, then repaints it.
class TRedrawOff {
public:
    explicit TRedrawOff(TTimelineFileHost& host) : m_host(host) { m_host.SetRedraw(false); }
    ~TRedrawOff() {
        m_host.SetRedraw(true);
        m_host.Repaint();
    }
    TRedrawOff(const TRedrawOff&) = delete;
    TRedrawOff& operator=(const TRedrawOff&) = delete;

private:
    TTimelineFileHost& m_host;
};

void EnsureFile(const QString& path) {
    if (QFileInfo(path).isFile())
        return;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw EVzError(QStringLiteral("Could not write \"%1\": %2").arg(path, f.errorString()));
}

qint64 Kilo(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() ? qint64(std::nearbyint(double(info.size()) / 1000.0)) : 0;
}
} // namespace

qint64 TTimelineFileHost::FreeBytes(const QString& folder) const {
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return storage.bytesAvailable();
}

TTimelineFile::TTimelineFile(TdtmMain& dm, TTimelineState& timeline, TTimelineFileHost& host)
    : m_dm(dm), m_timeline(timeline), m_host(host) {}

QString TTimelineFile::NotValidFileText() {
    return QStringLiteral("There was a problem opening the file, it is not a valid Vezizivu \r\nfile.\r\n\r\n"
                          "If you are sure it really is a Vezizivu file, send it to us and we'll \r\n"
                          "take a look. See the website for contact details or just send to \r\n") +
           VendorSalesEmail() + QLatin1Char('.');
}

QString TTimelineFile::InUseQuestion() {
    return QStringLiteral("The file is already being used.\r\n\r\nWould you like to open it for viewing? "
                          "(opens a local temporary copy)");
}

QString TTimelineFile::NotEnoughSpaceText() {
    return QStringLiteral("Not enough space on drive.\r\n\r\nThe file will not be saved.");
}

QString TTimelineFile::ErrorOpeningText(const QString& detail) {
    return QStringLiteral("Error opening timeline.\r\n(") + detail + QLatin1Char(')');
}

QString TTimelineFile::VendorErrorText(const QString& detail) {
    return QStringLiteral("Please contact the vendor (") + VendorSupportEmail() +
           QStringLiteral(") quoting error 888b4.\r\n\r\n") + QStringLiteral("Details----------\r\n") + detail;
}

QString TTimelineFile::SaveChangesQuestion(const QString& fileName) {
    return QStringLiteral("Do you want to save the changes you made to %1?").arg(fileName);
}

void TTimelineFile::SetWorkingFolder(const QString& folder, bool privateFolder) {
    if (m_privateFolder && !m_workFolder.isEmpty() && !SameFolder(folder, m_workFolder))
        QDir().rmdir(m_workFolder); // a new timeline's private folder, now empty
    m_workFolder = WithTrailingSlash(folder);
    m_privateFolder = privateFolder;
}

bool TTimelineFile::NewTimeline() {
    if (!CloseTimeline())
        return false;
    try {
        m_host.ReadSettings(m_host.DefaultSettingsPath(), false);
        const QString folder = MakePrivateWorkFolder();
        TDatabase::CreateTableFile(folder + kEvent, EventTableDef());
        TDatabase::CreateTableFile(folder + kCategory, CategoryTableDef());
        EnsureFile(folder + kBackdrop);
        SetWorkingFolder(folder, true);
        m_dm.OpenDatabase(folder);
        m_host.LoadBackground(folder + kBackdrop);
        m_timeline.SetFileName(NewTimelineName());
        m_timeline.SetModified(false);
        m_host.UpdateCaption();
        m_host.ShowTimelinePage();
        m_host.ShowNewTimelinePanel(true);
        m_timeline.SetUnits(usCalendarDates);
        m_host.RefreshUnitCaptions();
        if (m_host.RunNewTimelineWizard()) {
            m_host.ShowAllAfterWizard();
            m_dm.UpdateDateBoxes();
            if (m_dm.tblEvent.Editing())
                m_dm.tblEvent.Post();
            m_host.RefreshUnitCaptions();
        }
        m_host.ResetAdvancedSearch();
        m_readOnlyCopy = false;
        m_host.SetReadOnlyCopy(false);
    } catch (const EAbort&) {
        return false;
    } catch (const EVzError& e) {
        Dialogs().ShowMessage(TMsgKind::Plain, VendorErrorText(e.Message()), {});
        return false;
    } catch (const std::exception& e) {
        Dialogs().ShowMessage(TMsgKind::Plain, VendorErrorText(QString::fromLocal8Bit(e.what())), {});
        return false;
    }
    m_host.SaveHomeView();
    return true;
}

bool TTimelineFile::OpenTimeline(const QString& path) {
    m_readOnlyCopy = false;
    m_host.SetReadOnlyCopy(false);
    QString file = QFileInfo(path).absoluteFilePath();
    if (FolderInUse(file)) {
        if (Dialogs().Ask(TMsgKind::Confirmation, InUseQuestion(), TMsgButton::Ok | TMsgButton::Cancel,
                          {}) != TMsgButton::Ok)
            return false;
        const QString copy = MakeTempCopyFolder() + QFileInfo(file).fileName();
        if (QFileInfo::exists(copy) || !QFile::copy(file, copy)) {
            Dialogs().Error(QStringLiteral("Could not copy \"%1\" to \"%2\".").arg(file, copy));
            return false;
        }
        file = copy;
        m_readOnlyCopy = true;
        m_host.SetReadOnlyCopy(true);
    }
    if (!LoadTimeline(file))
        return false;
    m_host.ShowHomeView();
    return true;
}

bool TTimelineFile::LoadTimeline(const QString& path) {
    TProgressHider hider;
    TRedrawOff redraw(m_host);
    SetStage(QStringLiteral("Loading..."));
    Progress().ProcessEvents();
    if (!CloseTimeline())
        return false;
    SetStage(QStringLiteral("Loading (initialising)..."));
    const QString file = QFileInfo(path).absoluteFilePath();
    const QString folder = FolderOf(file);

    // The user's file is only read: unscrambled and unpacked in memory.
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(file);
    } catch (const EVzError& e) {
        throw EVzError(ErrorOpeningText(e.Message()));
    }
    UnscrambleBytes(bytes);
    std::unique_ptr<TZipReader> archive;
    try {
        archive = std::make_unique<TZipReader>(std::move(bytes));
    } catch (const ENotATimeline&) {
        Dialogs().Error(NotValidFileText());
        return false;
    }

    SetStage(QStringLiteral("Loading (reading data)..."));
    QStringList extracted;
    try {
        for (const QString& member : archive->Members())
            extracted << folder + member;
        archive->ExtractTo(folder);
        archive.reset();
        m_host.ReadSettings(folder + kSettings, true);
        m_dm.CloseDatabase();
        SetWorkingFolder(folder, false);
        m_dm.OpenDatabase(folder);
        SetStage(QStringLiteral("Loading (loading views)..."));
        m_host.FillViewsList();
        m_host.LoadBackground(folder + kBackdrop);
        m_host.SetLastUsedFolder(folder);
        m_host.ResetAdvancedSearch();
    } catch (const std::exception& e) {
        // Nothing of the failed timeline stays open or in its folder.
        m_dm.CloseDatabase();
        for (const QString& f : extracted)
            QFile::remove(f);
        m_workFolder.clear();
        const QString detail = dynamic_cast<const EVzError*>(&e)
                                   ? static_cast<const EVzError&>(e).Message()
                                   : QString::fromLocal8Bit(e.what());
        throw EVzError(ErrorOpeningText(detail));
    }
    m_timeline.SetFileName(file);
    m_timeline.SetModified(false);
    m_host.UpdateCaption();
    SetStage(QStringLiteral("Loading (displaying)..."));
    m_host.RunSearchAfterLoad();
    SetStage(QStringLiteral("Loading (showing main screen)..."));
    m_host.ShowTimelinePage();
    SetStage(QStringLiteral("Loading (refreshing)..."));
    m_host.Repaint();
    return true;
}

bool TTimelineFile::SaveTimeline(bool askName) {
    const QString current = m_timeline.FileName();
    const QFileInfo info(current);
    if (askName || !info.isAbsolute() || !info.isFile()) {
        TFileDialogOptions options;
        options.Filter = QStringLiteral("Vezizivu file (*.tml)|*.tml|Any file|*.*");
        options.DefaultExt = QStringLiteral("tml");
        options.OverwritePrompt = true;
        options.InitialFolder = info.isAbsolute() ? info.absolutePath() : m_host.DialogFolder();
        options.FileName = info.fileName();
        const std::optional<QString> chosen = Dialogs().SaveFileName(options);
        if (!chosen || chosen->isEmpty())
            return false;
        QString name = *chosen;
        if (QFileInfo(name).suffix().isEmpty())
            name += QStringLiteral(".tml");
        // An existing file is replaced in one step by the write, never deleted first.
        return WriteTimelineFile(name);
    }
    return WriteTimelineFile(current);
}

bool TTimelineFile::CheckDiskSpace(const QString& sourceFolder, const QString& targetPath) {
    const qint64 needed = 2 * (Kilo(sourceFolder + kEvent) + Kilo(sourceFolder + kCategory) +
                               Kilo(sourceFolder + kSettings) + Kilo(sourceFolder + kBackdrop));
    const qint64 freeBytes = m_host.FreeBytes(QFileInfo(targetPath).absolutePath());
    if (freeBytes < 0)
        return true; // unknown: the check is skipped
    const qint64 free = freeBytes / 1000;
    if (free > 0 && needed > free) {
        Dialogs().Error(NotEnoughSpaceText());
        return false;
    }
    return true;
}

void TTimelineFile::WriteArchive(const QString& folder, const QString& zipPath,
                                 bool includeSettingsAndPicture) {
    WriteFileAtomically(folder + kDummy, QByteArrayLiteral("dummy"));
    TZipWriter zip(zipPath);
    if (includeSettingsAndPicture)
        SetStage(QStringLiteral("Saving (storing data)..."));
    zip.AddFile(folder, kDummy);
    zip.AddFile(folder, kEvent);
    zip.AddFile(folder, kCategory);
    if (includeSettingsAndPicture) {
        m_host.WriteSettings(folder + kSettings, true);
        EnsureFile(folder + kSettings);
    }
    zip.AddFile(folder, kSettings);
    if (QFileInfo(folder + kViews).isFile())
        zip.AddFile(folder, kViews);
    if (includeSettingsAndPicture) {
        m_host.WriteBackground(folder + kBackdrop);
        EnsureFile(folder + kBackdrop);
    }
    zip.AddFile(folder, kBackdrop);
    if (includeSettingsAndPicture)
        SetStage(QStringLiteral("Saving (finishing off)..."));
    zip.Close([](double fraction) { Progress().SetMeter(qint64(fraction * 1000), 1000); });
    Progress().SetMeter(0, 0);
}

void TTimelineFile::ReopenAfterFailure() {
    try {
        if (!m_workFolder.isEmpty() && QFileInfo::exists(m_workFolder + kEvent))
            m_dm.OpenDatabase(m_workFolder);
    } catch (...) {
        // The working files are intact; the error that ended the save is the one reported.
    }
}

bool TTimelineFile::WriteTimelineFile(const QString& path) {
    TProgressHider hider;
    SetStage(QStringLiteral("Saving..."));
    const QString file = QFileInfo(path).absoluteFilePath();
    const QString target = FolderOf(file);
    if (!CheckDiskSpace(m_workFolder, file))
        return false;
    const QString zipPath = ChangeFileExt(file, QStringLiteral(".zip"));
    m_dm.CloseDatabase();
    try {
        if (!QFileInfo(target).isDir())
            throw EVzError(QStringLiteral("The folder \"%1\" does not exist.").arg(target));
        if (target != m_workFolder) {
            // The working files move to the new folder. The settings and the picture go along,
            // so keys of the settings file that this program does not know are kept.
            for (const QString& name : {kEvent, kCategory, kViews, kSettings, kBackdrop}) {
                const bool required = name == kEvent || name == kCategory;
                if (!required && !QFileInfo(m_workFolder + name).isFile())
                    continue;
                if (!CopyFileReported(m_workFolder + name, target + name))
                    throw EAbort();
            }
            RemoveWorkingFiles(true);
            SetWorkingFolder(target, false);
        }
        m_host.Checkpoint("working-files-ready");
        if (QFileInfo::exists(zipPath))
            QFile::remove(zipPath);
        WriteArchive(target, zipPath, true);
        m_host.Checkpoint("archive-written");
        ScrambleFile(zipPath);
        m_host.Checkpoint("archive-scrambled");
        RenameReplacing(zipPath, file);
    } catch (...) {
        QFile::remove(zipPath);
        ReopenAfterFailure();
        throw;
    }
    m_dm.OpenDatabase(target);
    m_timeline.SetFileName(file);
    m_host.UpdateCaption();
    m_timeline.SetModified(false);
    m_host.SetLastUsedFolder(target);
    return true;
}

bool TTimelineFile::PackTimelineFolder(const QString& path) {
    TProgressHider hider;
    SetStage(QStringLiteral("Please wait..."));
    const QString file = QFileInfo(path).absoluteFilePath();
    const QString folder = FolderOf(file);
    if (!CheckDiskSpace(folder, file))
        return false;
    const QString zipPath = ChangeFileExt(file, QStringLiteral(".zip"));
    if (QFileInfo::exists(zipPath))
        QFile::remove(zipPath);
    try {
        WriteArchive(folder, zipPath, false);
        ScrambleFile(zipPath);
        RenameReplacing(zipPath, file);
    } catch (...) {
        QFile::remove(zipPath);
        throw;
    }
    return true;
}

bool TTimelineFile::CloseTimeline() {
    TProgressHider hider;
    SetStage(QStringLiteral("Closing file..."));
    const QString fileName = m_timeline.FileName();
    if (fileName.isEmpty())
        return true;
    if (m_timeline.Modified()) {
        const TMsgButton answer =
            Dialogs().Ask(TMsgKind::Confirmation, SaveChangesQuestion(QFileInfo(fileName).fileName()),
                          TMsgButton::Yes | TMsgButton::No | TMsgButton::Cancel, {});
        if (answer == TMsgButton::Cancel || answer == TMsgButton::None)
            return false;
        if (answer == TMsgButton::Yes) {
            SetStage(QStringLiteral("Closing file (saving)..."));
            // Cancelling the name dialog keeps the timeline open: nothing unsaved is lost.
            if (!SaveTimeline(false))
                return false;
            SetStage(QStringLiteral("Closing file (tidying up)..."));
            RemoveWorkingFiles(true);
            m_dm.CloseDatabase();
            m_timeline.ClearTimeline();
            m_host.UpdateCaption();
            SetStage(QStringLiteral("Closing file (refreshing display)..."));
            m_host.Repaint();
            m_host.ClearSearchAndEntry();
            m_host.ShowNewTimelinePanel(false);
            m_host.ReadSettings(m_host.DefaultSettingsPath(), true);
            return true;
        }
    }
    SetStage(QStringLiteral("Closing file (updating)..."));
    m_host.ShowTimelinePage();
    SetStage(QStringLiteral("Closing file (tidying up)..."));
    RemoveWorkingFiles(true);
    SetStage(QStringLiteral("Closing file (resetting)..."));
    m_dm.CloseDatabase();
    m_timeline.ClearTimeline();
    m_host.UpdateCaption();
    SetStage(QStringLiteral("Closing file (loading display)..."));
    m_host.Repaint();
    SetStage(QStringLiteral("Closing file (resetting screen)..."));
    m_host.ClearSearchAndEntry();
    m_dm.SetEventTableReadOnly(false);
    m_host.ShowNewTimelinePanel(false);
    m_host.ReadSettings(m_host.DefaultSettingsPath(), true);
    return true;
}

void TTimelineFile::RemoveWorkingFiles(bool reportErrors) {
    if (m_workFolder.isEmpty())
        return;
    m_dm.CloseDatabase();
    const QString f = m_workFolder;
    DeleteFileReported(f + kEvent, reportErrors);
    DeleteFileReported(f + kCategory, reportErrors);
    // The engine leaves no side file once closed; a journal survives only a crash.
    QFile::remove(f + kEvent + QStringLiteral("-journal"));
    QFile::remove(f + kCategory + QStringLiteral("-journal"));
    DeleteFileReported(f + kDummy, false);
    for (const QString& name : {kSettings, kViews})
        if (QFileInfo::exists(f + name))
            DeleteFileReported(f + name, reportErrors);
    DeleteFileReported(f + kBackdrop, reportErrors);
    TidyIntermediate();
    if (m_privateFolder && QDir().rmdir(f))
        m_privateFolder = false;
}

void TTimelineFile::TidyIntermediate() {
    const QString fileName = m_timeline.FileName();
    if (fileName.isEmpty() || !QFileInfo(fileName).isAbsolute())
        return;
    const QString zipPath = ChangeFileExt(fileName, QStringLiteral(".zip"));
    if (!QFileInfo(zipPath).isFile())
        return;
    // An archive left by an interrupted save: it takes the .tml name only when there is no
    // .tml and it is complete; otherwise the .tml is kept and the archive goes.
    if (!QFileInfo::exists(fileName) && IsValidTimelineFile(zipPath))
        MoveFileReplacing(zipPath, fileName);
    else
        QFile::remove(zipPath);
}
