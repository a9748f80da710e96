// A TDialogs that answers from a queue: tests, the command-line tool and unattended runs.
#pragma once

#include "common/Dialogs.h"

#include <deque>
#include <functional>
#include <vector>

class TScriptedDialogs : public TDialogs {
public:
    struct TShown {
        TMsgKind Kind;
        QString Text;
        QString Caption;
    };

    // Answers are taken in order; with none queued, questions get DefaultAnswer (or the first
    // of Yes, Ok offered) and file dialogs are cancelled.
    void QueueAnswer(TMsgButton answer) { m_answers.push_back(answer); }
    void QueueFileName(const QString& path) { m_fileNames.push_back({false, path}); }
    void QueueFileCancel() { m_fileNames.push_back({true, {}}); }
    void QueueInput(const QString& text) { m_inputs.push_back({false, text}); }
    void QueueInputCancel() { m_inputs.push_back({true, {}}); }
    void SetDefaultAnswer(TMsgButton answer) { m_defaultAnswer = answer; }
    void ClearAnswers() { m_answers.clear(); }
    // Called with every message and question as it is shown (for printing, or for failing a
    // test that did not expect one).
    void SetEcho(std::function<void(const TShown&)> echo) { m_echo = std::move(echo); }

    const std::vector<TShown>& Shown() const { return m_shown; }
    const std::vector<TShown>& Questions() const { return m_questions; }
    QStringList ShownTexts() const;
    void ClearShown();
    int PendingAnswers() const { return int(m_answers.size()); }

    void ShowMessage(TMsgKind kind, const QString& text, const QString& caption) override;
    TMsgButton Ask(TMsgKind kind, const QString& text, TMsgButtons buttons,
                   const QString& caption) override;
    std::optional<QString> OpenFileName(const TFileDialogOptions& options) override;
    std::optional<QString> SaveFileName(const TFileDialogOptions& options) override;
    std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                     const QString& initial) override;

private:
    std::deque<TMsgButton> m_answers;
    struct TQueued {
        bool Cancel;
        QString Text;
    };
    static std::optional<QString> Take(std::deque<TQueued>& queue);
    std::deque<TQueued> m_fileNames;
    std::deque<TQueued> m_inputs;
    std::optional<TMsgButton> m_defaultAnswer;
    std::function<void(const TShown&)> m_echo;
    std::vector<TShown> m_shown;
    std::vector<TShown> m_questions;
};
