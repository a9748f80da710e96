// The program's questions, messages, file dialogs and input boxes as Qt dialogs.
#pragma once

#include "common/Dialogs.h"

class QWidget;

class TQtDialogs : public TDialogs {
public:
    // Dialogs are centred on the active window, or on `fallbackParent` when none is active.
    explicit TQtDialogs(QWidget* fallbackParent = nullptr) : m_fallback(fallbackParent) {}

    void ShowMessage(TMsgKind kind, const QString& text, const QString& caption) override;
    TMsgButton Ask(TMsgKind kind, const QString& text, TMsgButtons buttons, const QString& caption) override;
    std::optional<QString> OpenFileName(const TFileDialogOptions& options) override;
    std::optional<QString> SaveFileName(const TFileDialogOptions& options) override;
    std::optional<QString> InputText(const QString& caption, const QString& prompt, const QString& initial) override;

    void SetFallbackParent(QWidget* parent) { m_fallback = parent; }

private:
    QWidget* Parent() const;
    std::optional<QString> RunFileDialog(const TFileDialogOptions& options, bool save);
    QWidget* m_fallback;
};
