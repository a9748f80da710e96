#include "app/ui/TfrmNotification.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

TfrmNotification::TfrmNotification(QWidget* owner, const QString& header, const QString& text)
    : QFrame(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                        Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("frmNotification"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFrameShape(QFrame::Box);
    setStyleSheet(QStringLiteral(
        "QFrame#frmNotification { background: #fdfdfd; border: 1px solid #9aa7b8; }"));
    lblHeader = new QLabel(header, this);
    QFont bold = lblHeader->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.1);
    lblHeader->setFont(bold);
    lblHeader->setStyleSheet(QStringLiteral("color: #1f3b63;"));
    lblText = new QLabel(text, this);
    lblText->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(lblHeader);
    layout->addWidget(lblText, 1);
    setFixedSize(320, 100);
}

TfrmNotification* TfrmNotification::ShowNotification(QWidget* owner, const QString& header,
                                                     const QString& text, int milliseconds) {
    auto* window = new TfrmNotification(owner, header, text);
    if (owner) {
        const QRect area = owner->geometry();
        window->move(area.right() - window->width() - 16, area.bottom() - window->height() - 16);
    }
    window->show();
    QTimer::singleShot(milliseconds, window, &QWidget::close);
    return window;
}
