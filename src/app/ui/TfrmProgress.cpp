#include "app/ui/TfrmProgress.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

TfrmProgress::TfrmProgress(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_stage(new QLabel(this)),
      m_meter(new QProgressBar(this)),
      m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(QStringLiteral("Progress"));
    setModal(false);
    setFixedSize(360, 110);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(10);
    m_stage->setObjectName(QStringLiteral("lblStage"));
    m_stage->setWordWrap(true);
    QFont f = m_stage->font();
    f.setPointSizeF(f.pointSizeF() * 1.1);
    m_stage->setFont(f);
    m_meter->setObjectName(QStringLiteral("pbMeter"));
    m_meter->setRange(0, 1000);
    m_meter->setValue(0);
    m_meter->setTextVisible(false);
    layout->addWidget(m_stage);
    layout->addWidget(m_meter);
    m_timer->setInterval(200);
    connect(m_timer, &QTimer::timeout, this, &TfrmProgress::Tick);
}

TfrmProgress::~TfrmProgress() = default;

QString TfrmProgress::TitleAt(int step) {
    return QStringLiteral("Please Wait") + QString(step % 6, QLatin1Char('.'));
}

void TfrmProgress::Tick() {
    m_step = (m_step + 1) % 6;
    setWindowTitle(TitleAt(m_step));
}

void TfrmProgress::SetStage(const QString& text) {
    m_stage->setText(text);
    if (!isVisible()) {
        m_step = 0;
        setWindowTitle(TitleAt(0));
        m_meter->setValue(0);
        if (QWidget* main = parentWidget())
            move(main->geometry().center() - QPoint(width() / 2, height() / 2));
        show();
        raise();
        m_timer->start();
    }
    ProcessEvents();
}

void TfrmProgress::SetMeter(qint64 done, qint64 total) {
    m_meter->setValue(total > 0 ? int(qBound(qint64(0), done * 1000 / total, qint64(1000))) : 0);
    ProcessEvents();
}

void TfrmProgress::HideProgress() {
    m_timer->stop();
    hide();
}

void TfrmProgress::ProcessEvents() {
    // Painting and timers run; input waits, so no second command starts inside this one.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

QString TfrmProgress::StageText() const {
    return m_stage->text();
}

int TfrmProgress::MeterValue() const {
    return m_meter->value();
}
