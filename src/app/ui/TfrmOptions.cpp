#include "app/ui/TfrmOptions.h"

#include "storage/IO.h"
#include "storage/TimelineSettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

TfrmOptions::TfrmOptions(TAppOptions& app, TEventListSettings& events, QWidget* parent)
    : QDialog(parent),
      chkShowHints(new QCheckBox(QStringLiteral("Show Hints"), this)),
      chkWizard(new QCheckBox(QStringLiteral("Launch wizard when new timeline created."), this)),
      trkMaxEvents(new QSlider(Qt::Horizontal, this)),
      chkWelcome(new QCheckBox(QStringLiteral("Show Welcome screen"), this)),
      m_app(app),
      m_events(events),
      m_maxValue(new QLabel(this)) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Options"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("View and set general options, not specific to any one timeline."), this);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    layout->addSpacing(6);

    layout->addWidget(chkShowHints);
    auto* note = new QLabel(QStringLiteral("[help text you see as you move your mouse over things]"), this);
    note->setContentsMargins(24, 0, 0, 4);
    note->setStyleSheet(QStringLiteral("color: #666;"));
    layout->addWidget(note);
    layout->addWidget(chkWizard);

    auto* group = new QGroupBox(QStringLiteral("Maximum Events to Display"), this);
    auto* g = new QHBoxLayout(group);
    trkMaxEvents->setRange(1, 1000);
    trkMaxEvents->setSingleStep(100);
    trkMaxEvents->setPageStep(100);
    trkMaxEvents->setTickInterval(100);
    trkMaxEvents->setTickPosition(QSlider::TicksBelow);
    g->addWidget(new QLabel(QStringLiteral("1"), group));
    g->addWidget(trkMaxEvents, 1);
    g->addWidget(new QLabel(QStringLiteral("1000"), group));
    m_maxValue->setMinimumWidth(40);
    m_maxValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    g->addWidget(m_maxValue);
    connect(trkMaxEvents, &QSlider::valueChanged, m_maxValue, [this](int v) { m_maxValue->setNum(v); });
    layout->addWidget(group);
    layout->addWidget(chkWelcome);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* help = new QLabel(QStringLiteral("<a href=\"help\">Help</a>"), this);
    connect(help, &QLabel::linkActivated, this, [this] { Q_EMIT HelpRequested(windowTitle()); });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(help);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    chkShowHints->setChecked(m_app.HintsOn);
    chkWizard->setChecked(m_app.NewTimelineWizard);
    trkMaxEvents->setValue(m_events.MaxEvents);
    m_maxValue->setNum(trkMaxEvents->value());
    chkWelcome->setChecked(ReadUserValue(QStringLiteral("ShowTutorialScreen")) != QLatin1String("0"));
}

void TfrmOptions::Apply() {
    m_app.HintsOn = chkShowHints->isChecked();
    m_app.NewTimelineWizard = chkWizard->isChecked();
    WriteWizardOption(DefaultSettingsPath(), m_app.NewTimelineWizard);
    m_events.MaxEvents = trkMaxEvents->value();
    WriteUserValue(QStringLiteral("ShowTutorialScreen"), chkWelcome->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}
