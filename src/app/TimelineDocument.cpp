#include "app/TimelineDocument.h"

#include "common/Dialogs.h"
#include "common/Errors.h"
#include "common/MiscUtils.h"
#include "storage/IO.h"
#include "display/TtlAxis.h"
#include "display/TtlEventList.h"
#include "storage/TimelineSettings.h"
#include "time/UnitTable.h"

#include <QFile>

#include <optional>

TTimelineDocument::TTimelineDocument()
    : m_file(m_dm, m_timeline, *this), m_search(m_dm, m_timeline), m_personalFolder(::PersonalFolder()) {
    m_dm.SetTimeline(&m_timeline);
    m_timeline.SetDataModule(&m_dm);
    m_timeline.Seams.ReloadCurrentView = [this] { m_search.ReloadCurrentView(); };
    m_timeline.OnGraphClick = [this](TTimeLine&, const QString& valueText) { m_search.AxisPick(valueText); };
}

void TTimelineDocument::SetView(TDocumentView* view) {
    m_view = view;
    m_search.SetView(view);
}

TTimelineDocument::~TTimelineDocument() = default;

TSettingsParts TTimelineDocument::SettingsParts() {
    TSettingsParts parts = m_timeline.SettingsParts();
    parts.App = &m_app;
    return parts;
}

void TTimelineDocument::ReadSettings(const QString& path, bool timelineMode) {
    TSettingsContext context;
    context.PersonalFolder = m_personalFolder;
    if (m_view)
        context.Legend = m_view->LegendBounds();
    // The lock, the captions and the ticks follow what was read, also when a later key failed.
    struct TAfterRead {
        TTimelineDocument& Doc;
        bool TimelineMode;
        ~TAfterRead() {
            Doc.m_timeline.ApplySettings();
            Doc.m_dm.ApplyPasswordLock();
            Doc.RefreshUnitCaptions();
            if (Doc.m_view)
                Doc.m_view->SettingsRead(TimelineMode);
        }
    } after{*this, timelineMode};
    ReadTimelineSettings(path, timelineMode, SettingsParts(), context);
}

void TTimelineDocument::WriteSettings(const QString& path, bool timelineMode) {
    WriteTimelineSettings(path, timelineMode, SettingsParts());
}

QString TTimelineDocument::DefaultSettingsPath() const {
    return ::DefaultSettingsPath();
}

QString TTimelineDocument::EnsureTimelineID() {
    return m_timeline.TimelineID();
}

void TTimelineDocument::SetPassword(const QString& password) {
    if (password == m_timeline.Password())
        return;
    m_timeline.SetPassword(password);
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
    m_timeline.SetUnits(units); // the axis caption follows unless one was read from the file
    m_timeline.Axis().SwitchStyleForUnits(old);
    // The unit system is saved with the timeline: closing must offer to save it.
    if (!m_timeline.FileName().isEmpty())
        m_timeline.SetModified(true);
    m_dm.UpdateDateBoxes();
    RefreshUnitCaptions();
    m_search.Search();
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

// The views and the search of the file sequences.
void TTimelineDocument::FillViewsList() {
    m_search.FillViewsList();
}
void TTimelineDocument::SaveHomeView() {
    m_search.SaveHomeView();
}
void TTimelineDocument::ShowHomeView() {
    if (m_displayOnOpen)
        m_search.ShowHomeView();
}
void TTimelineDocument::ShowAllAfterWizard() {
    m_search.ShowAll();
}
void TTimelineDocument::ResetAdvancedSearch() {
    m_search.ResetAdvancedSearch();
}
void TTimelineDocument::RunSearchAfterLoad() {
    if (m_displayOnOpen)
        m_search.SearchAfterLoad();
}

// The window steps of the file sequences go to the view.
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
    m_search.TimelineClosed();
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
void TTimelineDocument::SetLastUsedFolder(const QString& folder) {
    if (m_view)
        m_view->SetLastUsedFolder(folder);
}
