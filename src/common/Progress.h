// The progress window seen from logic code: long operations show a stage text, move the meter
// and let pending events run so the window stays painted. The window installs its
// implementation; without one, stages are only remembered (tests read them).
#pragma once

#include <QString>
#include <QStringList>

class TProgress {
public:
    virtual ~TProgress() = default;
    // Shows the progress window with `text` as its stage and lets pending events run.
    virtual void SetStage(const QString& text) = 0;
    // Moves the meter: `done` of `total` (total 0 clears it).
    virtual void SetMeter(qint64 done, qint64 total) = 0;
    // Hides the progress window.
    virtual void HideProgress() = 0;
    // Lets pending window events run (painting, input).
    virtual void ProcessEvents() = 0;
};

// Records stages; used when no window is installed, and by tests.
class TRecordingProgress : public TProgress {
public:
    void SetStage(const QString& text) override;
    void SetMeter(qint64 done, qint64 total) override;
    void HideProgress() override;
    void ProcessEvents() override {}

    const QStringList& Stages() const { return m_stages; }
    bool Visible() const { return m_visible; }
    int HideCount() const { return m_hides; }
    void Clear();

private:
    QStringList m_stages;
    bool m_visible = false;
    int m_hides = 0;
};

TProgress& Progress();
TProgress* SetProgress(TProgress* progress);

// SetStage through the progress in force.
void SetStage(const QString& text);

// Hides the progress window on every path out of a scope.
class TProgressHider {
public:
    TProgressHider() = default;
    ~TProgressHider() { Progress().HideProgress(); }
    TProgressHider(const TProgressHider&) = delete;
    TProgressHider& operator=(const TProgressHider&) = delete;
};

// Shows the wait cursor for the lifetime of the guard (when a GUI application runs).
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor&) = delete;
    TBusyCursor& operator=(const TBusyCursor&) = delete;

private:
    bool m_set = false;
};
