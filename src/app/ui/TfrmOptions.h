// The Options dialog: hints, the new-timeline wizard, the most events a search may display and
// the welcome screen.
#pragma once

#include "storage/DisplaySettings.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QSlider;

class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    TfrmOptions(TAppOptions& app, TEventListSettings& events, QWidget* parent = nullptr);

    // OK: the options take the dialog's values; the wizard option is written to the defaults
    // file at once and the welcome-screen choice to the per-user values.
    void Apply();

    QCheckBox* chkShowHints;
    QCheckBox* chkWizard;
    QSlider* trkMaxEvents;
    QCheckBox* chkWelcome;

Q_SIGNALS:
    void HelpRequested(const QString& topic);

private:
    TAppOptions& m_app;
    TEventListSettings& m_events;
    QLabel* m_maxValue;
};
