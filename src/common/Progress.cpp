#include "common/Progress.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
TProgress* g_progress = nullptr;

TProgress& DefaultProgress() {
    static TRecordingProgress progress;
    return progress;
}
} // namespace

void TRecordingProgress::SetStage(const QString& text) {
    m_stages << text;
    m_visible = true;
}

void TRecordingProgress::SetMeter(qint64, qint64) {}

void TRecordingProgress::HideProgress() {
    m_visible = false;
    ++m_hides;
}

void TRecordingProgress::Clear() {
    m_stages.clear();
    m_visible = false;
    m_hides = 0;
}

TProgress& Progress() {
    return g_progress ? *g_progress : DefaultProgress();
}

TProgress* SetProgress(TProgress* progress) {
    TProgress* previous = g_progress;
    g_progress = progress;
    return previous;
}

void SetStage(const QString& text) {
    Progress().SetStage(text);
}

TBusyCursor::TBusyCursor() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        m_set = true;
    }
}

TBusyCursor::~TBusyCursor() {
    if (m_set)
        QGuiApplication::restoreOverrideCursor();
}
