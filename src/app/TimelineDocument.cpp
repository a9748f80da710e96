#include "app/TimelineDocument.h"

#include "common/Dialogs.h"
#include "common/Errors.h"
#include "common/MiscUtils.h"
#include "storage/IO.h"
#include "storage/TimelineSettings.h"
#include "time/UnitTable.h"

#include <QFile>

TTimelineDocument::TTimelineDocument() : m_file(m_dm, m_timeline, *this), m_personalFolder(::PersonalFolder()) {
    m_dm.SetTimeline(&m_timeline);
    m_settings.PullFrom(m_timeline);
}

TTimelineDocument::~TTimelineDocument() = default;

TSettingsParts TTimelineDocument::SettingsParts() {
    return m_settings.Parts(&m_app);
}

void TTimelineDocument::ReadSettings(const QString& path, bool timelineMode) {
    m_settings.PullFrom(m_timeline);
    TSettingsContext context;
    context.PersonalFolder = m_personalFolder;
    if (m_view)
        context.Legend = m_view->LegendBounds();
    // The lock, the captions and the ticks follow what was read, also when a later key failed.
    struct TAfterRead {
        TTimelineDocument& Doc;
        bool TimelineMode;
        ~TAfterRead() {
            Doc.m_settings.PushTo(Doc.m_timeline);
            Doc.m_dm.ApplyPasswordLock();
            Doc.RefreshUnitCaptions();
            if (Doc.m_view)
                Doc.m_view->SettingsRead(TimelineMode);
        }
    } after{*this, timelineMode};
    ReadTimelineSettings(path, timelineMode, SettingsParts(), context);
}

void TTimelineDocument::WriteSettings(const QString& path, bool timelineMode) {
    m_settings.PullFrom(m_timeline);
    WriteTimelineSettings(path, timelineMode, SettingsParts());
}

QString TTimelineDocument::DefaultSettingsPath() const {
    return ::DefaultSettingsPath();
}

QString TTimelineDocument::EnsureTimelineID() {
    if (m_settings.Timeline.TimelineID.isEmpty())
        m_settings.Timeline.TimelineID = IdentityStamp();
    return m_settings.Timeline.TimelineID;
}

void TTimelineDocument::SetPassword(const QString& password) {
    if (password == m_timeline.Password())
        return;
    m_timeline.SetPassword(password);
    m_settings.Timeline.Password = password;
    m_dm.ApplyPasswordLock();
    // The protection is part of the file: leaving without saving would silently drop it.
    if (!m_timeline.FileName().isEmpty())
        m_timeline.SetModified(true);
}

bool TTimelineDocument::AskNewPassword() {
    const std::optional<QString> answer = Dialogs().InputText(PasswordCaption(), NewPasswordPrompt(), QString());
    if (!answer || answer->isEmpty())
        return false;
    SetPassword(*answer);
    return true;
}

bool TTimelineDocument::AskRemovePassword() {
    const std::optional<QString> answer = Dialogs().InputText(PasswordCaption(), PasswordPrompt(), QString());
    if (answer && *answer == m_timeline.Password()) {
        Dialogs().Information(PasswordRemovedText());
        SetPassword(QString());
        return true;
    }
    Dialogs().Information(PasswordIncorrectText());
    return false;
}

bool TTimelineDocument::PasswordProtectionClicked(bool ticked) {
    if (ticked && !HasPassword())
        AskNewPassword();
    else if (!ticked && HasPassword())
        AskRemovePassword();
    return HasPassword();
}

void TTimelineDocument::ApplyProperties(bool protect, TUnitSystem units) {
    if (!HasPassword() && protect)
        AskNewPassword();
    else if (HasPassword() && !protect)
        AskRemovePassword();
    if (units != m_timeline.Units())
        ChangeUnitSystem(units);
}

void TTimelineDocument::ChangeUnitSystem(TUnitSystem units) {
    const TUnitSystem old = m_timeline.Units();
    if (units == old)
        return;
    m_timeline.SetUnits(units);
    m_settings.Timeline.Units = units;
    if (m_timeline.CaptionFollowsUnits())
        m_settings.Axis.Caption = MajorLongName(units) + QLatin1Char('s');
    if (units == usCalendarDates)
        m_settings.Axis.Style = 3;
    else if (old == usCalendarDates)
        m_settings.Axis.Style = 1;
    // The unit system is saved with the timeline: closing must offer to save it.
    if (!m_timeline.FileName().isEmpty())
        m_timeline.SetModified(true);
    m_dm.UpdateDateBoxes();
    RefreshUnitCaptions();
    if (m_view)
        m_view->RerunSearch();
}

void TTimelineDocument::SetCurrentSettingsAsDefault() {
    WriteSettings(::DefaultSettingsPath(), false);
}

void TTimelineDocument::LoadBackground(const QString& path) {
    m_timeline.LoadBackground(path);
}

void TTimelineDocument::WriteBackground(const QString& path) {
    m_timeline.WriteBackground(path);
}

// The window steps of the file sequences go to the view.
void TTimelineDocument::FillViewsList() {
    if (m_view)
        m_view->FillViewsList();
}
void TTimelineDocument::SaveHomeView() {
    if (m_view)
        m_view->SaveHomeView();
}
void TTimelineDocument::ShowHomeView() {
    if (m_view)
        m_view->ShowHomeView();
}
void TTimelineDocument::UpdateCaption() {
    if (m_view)
        m_view->UpdateCaption();
}
void TTimelineDocument::ShowTimelinePage() {
    if (m_view)
        m_view->ShowTimelinePage();
}
void TTimelineDocument::SetRedraw(bool on) {
    if (m_view)
        m_view->SetRedraw(on);
}
void TTimelineDocument::Repaint() {
    if (m_view)
        m_view->Repaint();
}
void TTimelineDocument::ShowNewTimelinePanel(bool show) {
    if (m_view)
        m_view->ShowNewTimelinePanel(show);
}
void TTimelineDocument::ClearSearchAndEntry() {
    m_settings.Timeline.SearchText.clear();
    if (m_view)
        m_view->ClearSearchAndEntry();
}
void TTimelineDocument::RefreshUnitCaptions() {
    if (m_view)
        m_view->RefreshUnitCaptions();
}
void TTimelineDocument::SetReadOnlyCopy(bool readOnlyCopy) {
    if (m_view)
        m_view->SetReadOnlyCopy(readOnlyCopy);
}
QString TTimelineDocument::DialogFolder() const {
    return m_view ? m_view->DialogFolder() : QString();
}
bool TTimelineDocument::RunNewTimelineWizard() {
    return m_app.NewTimelineWizard && m_view && m_view->RunNewTimelineWizard();
}
void TTimelineDocument::ShowAllAfterWizard() {
    if (m_view)
        m_view->ShowAllAfterWizard();
}
void TTimelineDocument::ResetAdvancedSearch() {
    if (m_view)
        m_view->ResetAdvancedSearch();
}
void TTimelineDocument::RunSearchAfterLoad() {
    if (m_view)
        m_view->RunSearchAfterLoad();
}
void TTimelineDocument::SetLastUsedFolder(const QString& folder) {
    if (m_view)
        m_view->SetLastUsedFolder(folder);
}
