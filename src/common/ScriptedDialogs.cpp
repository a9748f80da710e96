#include "common/ScriptedDialogs.h"

QStringList TScriptedDialogs::ShownTexts() const {
    QStringList texts;
    for (const TShown& s : m_shown)
        texts << s.Text;
    return texts;
}

void TScriptedDialogs::ClearShown() {
    m_shown.clear();
    m_questions.clear();
}

void TScriptedDialogs::ShowMessage(TMsgKind kind, const QString& text, const QString& caption) {
    m_shown.push_back({kind, text, caption});
    if (m_echo)
        m_echo(m_shown.back());
}

TMsgButton TScriptedDialogs::Ask(TMsgKind kind, const QString& text, TMsgButtons buttons,
                                 const QString& caption) {
    m_questions.push_back({kind, text, caption});
    if (m_echo)
        m_echo(m_questions.back());
    if (!m_answers.empty()) {
        const TMsgButton answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    if (m_defaultAnswer)
        return *m_defaultAnswer;
    for (TMsgButton b : {TMsgButton::Yes, TMsgButton::Ok, TMsgButton::No, TMsgButton::Cancel})
        if (buttons.testFlag(b))
            return b;
    return TMsgButton::Cancel;
}

std::optional<QString> TScriptedDialogs::Take(std::deque<TQueued>& queue) {
    if (queue.empty())
        return std::nullopt;
    const TQueued next = queue.front();
    queue.pop_front();
    if (next.Cancel)
        return std::nullopt;
    return next.Text;
}

std::optional<QString> TScriptedDialogs::OpenFileName(const TFileDialogOptions&) {
    return Take(m_fileNames);
}

std::optional<QString> TScriptedDialogs::SaveFileName(const TFileDialogOptions& options) {
    return OpenFileName(options);
}

std::optional<QString> TScriptedDialogs::InputText(const QString& caption, const QString& prompt,
                                                   const QString&) {
    m_questions.push_back({TMsgKind::Plain, prompt, caption});
    return Take(m_inputs);
}
