// The progress window of long operations: a small tool window centred on the main window with
// the stage text and a meter. While it is shown its title cycles every 200 ms through
// "Please Wait" to "Please Wait....." and back. It is not modal; showing a stage lets pending
// painting run so the program stays drawn, while clicks and keys wait until the operation ends.
#pragma once

#include "common/Progress.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

class TfrmProgress : public QDialog, public TProgress {
    Q_OBJECT
public:
    explicit TfrmProgress(QWidget* mainWindow);
    ~TfrmProgress() override;

    void SetStage(const QString& text) override;
    void SetMeter(qint64 done, qint64 total) override;
    void HideProgress() override;
    void ProcessEvents() override;

    QString StageText() const;
    int MeterValue() const;
    // The title the next tick shows.
    static QString TitleAt(int step);

private:
    void Tick();

    QLabel* m_stage;
    QProgressBar* m_meter;
    QTimer* m_timer;
    int m_step = 0;
};
