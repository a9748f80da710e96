#include "app/ui/TfrmErrorDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TfrmErrorDialog::TfrmErrorDialog(const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      chkCloseProgram(new QCheckBox(QStringLiteral("Attempt to close program on Close"), this)),
      btnClose(new QPushButton(QStringLiteral("Close"), this)),
      m_memo(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("frmErrorDialog"));
    setWindowTitle(QStringLiteral("Oops!"));
    resize(520, 360);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(40, 40));
    icon->setAlignment(Qt::AlignTop);
    m_memo->setReadOnly(true);
    m_memo->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(m_memo, 1);

    auto* help = new QLabel(QStringLiteral("<a href=\"help\">Help</a>"), this);
    help->setObjectName(QStringLiteral("lnkHelp"));
    connect(help, &QLabel::linkActivated, this, &TfrmErrorDialog::HelpRequested);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(help);
    bottom->addSpacing(12);
    bottom->addWidget(chkCloseProgram);
    bottom->addStretch(1);
    bottom->addWidget(btnClose);
    btnClose->setDefault(true);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
}

bool TfrmErrorDialog::CloseProgram() const {
    return chkCloseProgram->isChecked();
}

QString TfrmErrorDialog::Text() const {
    return m_memo->toPlainText();
}
