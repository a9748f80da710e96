#include "app/ui/TQtDialogs.h"

#include "app/ApplicationTitle.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {
QString ForDisplay(const QString& text) {
    return QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

QMessageBox::Icon IconOf(TMsgKind kind) {
    switch (kind) {
    case TMsgKind::Information:
        return QMessageBox::Information;
    case TMsgKind::Warning:
        return QMessageBox::Warning;
    case TMsgKind::Error:
        return QMessageBox::Critical;
    case TMsgKind::Confirmation:
        return QMessageBox::Question;
    case TMsgKind::Plain:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

// Message boxes without a caption of their own carry the kind's caption, or the title.
QString CaptionOf(TMsgKind kind, const QString& caption) {
    if (!caption.isEmpty())
        return caption;
    switch (kind) {
    case TMsgKind::Information:
        return QStringLiteral("Information");
    case TMsgKind::Warning:
        return QStringLiteral("Warning");
    case TMsgKind::Error:
        return QStringLiteral("Error");
    case TMsgKind::Confirmation:
        return QStringLiteral("Confirm");
    case TMsgKind::Plain:
        break;
    }
    return ApplicationTitle();
}
} // namespace

QWidget* TQtDialogs::Parent() const {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_fallback;
}

void TQtDialogs::ShowMessage(TMsgKind kind, const QString& text, const QString& caption) {
    QMessageBox box(IconOf(kind), CaptionOf(kind, caption), ForDisplay(text), QMessageBox::Ok, Parent());
    box.exec();
}

TMsgButton TQtDialogs::Ask(TMsgKind kind, const QString& text, TMsgButtons buttons, const QString& caption) {
    QMessageBox box(IconOf(kind), CaptionOf(kind, caption), ForDisplay(text), QMessageBox::NoButton, Parent());
    const std::pair<TMsgButton, QMessageBox::StandardButton> map[] = {{TMsgButton::Yes, QMessageBox::Yes},
                                                                      {TMsgButton::No, QMessageBox::No},
                                                                      {TMsgButton::Ok, QMessageBox::Ok},
                                                                      {TMsgButton::Cancel, QMessageBox::Cancel}};
    for (const auto& [ours, qt] : map)
        if (buttons.testFlag(ours))
            box.addButton(qt);
    if (buttons.testFlag(TMsgButton::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    const int result = box.exec();
    for (const auto& [ours, qt] : map)
        if (result == qt)
            return ours;
    return TMsgButton::Cancel;
}

std::optional<QString> TQtDialogs::RunFileDialog(const TFileDialogOptions& options, bool save) {
    QFileDialog dialog(Parent(), options.Title.isEmpty() ? (save ? QStringLiteral("Save As") : QStringLiteral("Open"))
                                                         : options.Title);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(FilterToNameFilters(options.Filter));
    if (!options.DefaultExt.isEmpty())
        dialog.setDefaultSuffix(options.DefaultExt);
    if (!options.InitialFolder.isEmpty())
        dialog.setDirectory(options.InitialFolder);
    if (!options.FileName.isEmpty())
        dialog.selectFile(options.FileName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.OverwritePrompt);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first();
}

std::optional<QString> TQtDialogs::OpenFileName(const TFileDialogOptions& options) {
    return RunFileDialog(options, false);
}

std::optional<QString> TQtDialogs::SaveFileName(const TFileDialogOptions& options) {
    return RunFileDialog(options, true);
}

std::optional<QString> TQtDialogs::InputText(const QString& caption, const QString& prompt, const QString& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(Parent(), caption, ForDisplay(prompt), QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}
