// One open timeline with everything that works on it without a window: the data module, the
// timeline control, the file sequences, the search and the views, the settings (read and
// written in both modes), the identity and the password. The command-line tool uses it directly; the main window owns one
// and is its view: the document forwards the sequences' window steps to the view.
#pragma once

#include "app/DocumentView.h"
#include "app/TSearchFlow.h"
#include "display/TmLn.h"
#include "storage/DisplaySettings.h"
#include "storage/MainDataMod.h"
#include "storage/TimelineFile.h"
#include "storage/TimelineFileHost.h"


class TTimelineDocument : public TTimelineFileHost {
public:
    TTimelineDocument();
    ~TTimelineDocument() override;
    TTimelineDocument(const TTimelineDocument&) = delete;
    TTimelineDocument& operator=(const TTimelineDocument&) = delete;

    TdtmMain& Data() { return m_dm; }
    TTimeLine& Timeline() { return m_timeline; }
    const TTimeLine& Timeline() const { return m_timeline; }
    TTimelineFile& File() { return m_file; }
    // RunSearch, "Search...", "Show All", the views.
    TSearchFlow& SearchFlow() { return m_search; }
    // Whether opening a timeline shows its events (the search after the load and the "Home"
    // view). Commands that only change the file turn it off, so the display's automatic bay
    // placement is not written into the events they save.
    void SetDisplayOnOpen(bool display) { m_displayOnOpen = display; }

    // The window the document is shown in (not owned); nullptr for none.
    void SetView(TDocumentView* view);

    // The settings a settings file is read into and written from.
    TSettingsParts SettingsParts();
    TAppOptions& AppOptions() { return m_app; }
    const TAppOptions& AppOptions() const { return m_app; }
    // The documents folder, for the My Timelines fallback of the defaults file.
    const QString& PersonalFolder() const { return m_personalFolder; }
    void SetPersonalFolder(const QString& folder) { m_personalFolder = folder; }

    // The timeline's ID, created now when it is empty.
    QString EnsureTimelineID();

    // Password protection. The password is kept exactly as typed and compared case-sensitively;
    // while there is one the event table is read-only.
    bool HasPassword() const { return !m_timeline.Password().isEmpty(); }
    void SetPassword(const QString& password);
    // The Password Protection command after its tick flipped to `ticked`; returns the tick it
    // must show afterwards.
    bool PasswordProtectionClicked(bool ticked);
    // Asks for a new password and stores it; false when none was given.
    bool AskNewPassword();
    // Asks for the password and removes it when it matches; false (after "Incorrect.") when not.
    bool AskRemovePassword();
    // The Properties dialog's OK: protection as ticked, then the unit system.
    void ApplyProperties(bool protect, TUnitSystem units);

    // Changes the unit system of the open timeline (stored values are not converted) and runs
    // the search again; nothing when it is the current one.
    void ChangeUnitSystem(TUnitSystem units);

    // "Set Current Settings as Default": the display settings become the defaults.
    void SetCurrentSettingsAsDefault();

    // The program's texts.
    static QString NewPasswordPrompt() { return QStringLiteral("Please enter a password:"); }
    static QString PasswordPrompt() { return QStringLiteral("Please enter the password:"); }
    static QString PasswordCaption() { return QStringLiteral("Password Protection"); }
    static QString PasswordRemovedText() { return QStringLiteral("Correct. Password protection removed."); }
    static QString PasswordIncorrectText() { return QStringLiteral("Incorrect."); }

    // TTimelineFileHost
    void ReadSettings(const QString& path, bool timelineMode) override;
    void WriteSettings(const QString& path, bool timelineMode) override;
    QString DefaultSettingsPath() const override;
    void LoadBackground(const QString& path) override;
    void WriteBackground(const QString& path) override;
    void FillViewsList() override;
    void SaveHomeView() override;
    void ShowHomeView() override;
    void UpdateCaption() override;
    void ShowTimelinePage() override;
    void SetRedraw(bool on) override;
    void Repaint() override;
    void ShowNewTimelinePanel(bool show) override;
    void ClearSearchAndEntry() override;
    void RefreshUnitCaptions() override;
    void SetReadOnlyCopy(bool readOnlyCopy) override;
    QString DialogFolder() const override;
    bool RunNewTimelineWizard() override;
    void ShowAllAfterWizard() override;
    void ResetAdvancedSearch() override;
    void RunSearchAfterLoad() override;
    void SetLastUsedFolder(const QString& folder) override;

private:
    TdtmMain m_dm;
    TTimeLine m_timeline;
    TTimelineFile m_file;
    TSearchFlow m_search;
    bool m_displayOnOpen = true;
    TAppOptions m_app;
    QString m_personalFolder;
    TDocumentView* m_view = nullptr;
};
