// The one interface through which logic code asks questions, shows messages and asks for file
// names. The window installs an implementation on message boxes and file dialogs; tests install
// TScriptedDialogs and answer in advance, so no test ever blocks.
#pragma once

#include <QFlags>
#include <QString>
#include <QStringList>

#include <optional>

enum class TMsgKind { Information, Warning, Error, Confirmation, Plain };

enum class TMsgButton { None = 0, Ok = 1, Cancel = 2, Yes = 4, No = 8 };
Q_DECLARE_FLAGS(TMsgButtons, TMsgButton)
Q_DECLARE_OPERATORS_FOR_FLAGS(TMsgButtons)

struct TFileDialogOptions {
    QString Title;
    // Filter in the "Description|pattern|Description|pattern" form the program's texts use.
    QString Filter;
    QString DefaultExt;
    QString InitialFolder;
    QString FileName;
    bool OverwritePrompt = false;
};

class TDialogs {
public:
    virtual ~TDialogs() = default;

    // A modal message with an OK button.
    virtual void ShowMessage(TMsgKind kind, const QString& text, const QString& caption) = 0;
    // A modal question; returns the button the user pressed (Cancel when closed).
    virtual TMsgButton Ask(TMsgKind kind, const QString& text, TMsgButtons buttons,
                           const QString& caption) = 0;
    // Open and Save dialogs: the chosen path, or nothing when cancelled.
    virtual std::optional<QString> OpenFileName(const TFileDialogOptions& options) = 0;
    virtual std::optional<QString> SaveFileName(const TFileDialogOptions& options) = 0;
    // A one-line input box: the text, or nothing when cancelled.
    virtual std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                             const QString& initial) = 0;

    // Convenience forms with the program's default caption.
    void Error(const QString& text) { ShowMessage(TMsgKind::Error, text, {}); }
    void Warning(const QString& text) { ShowMessage(TMsgKind::Warning, text, {}); }
    void Information(const QString& text) { ShowMessage(TMsgKind::Information, text, {}); }
};

// The dialogs in force. Until something is installed, a TScriptedDialogs with no answers
// queued is used: messages are recorded and questions get their default answer.
TDialogs& Dialogs();

// Installs `dialogs` (not owned) and returns the previous one; nullptr restores the default.
TDialogs* SetDialogs(TDialogs* dialogs);

// Installs a dialogs object for the lifetime of the guard.
class TDialogsScope {
public:
    explicit TDialogsScope(TDialogs& dialogs) : m_previous(SetDialogs(&dialogs)) {}
    ~TDialogsScope() { SetDialogs(m_previous); }
    TDialogsScope(const TDialogsScope&) = delete;
    TDialogsScope& operator=(const TDialogsScope&) = delete;

private:
    TDialogs* m_previous;
};

// Splits "Description|pattern|..." into Qt name filters ("Description (pattern)").
QStringList FilterToNameFilters(const QString& filter);
