#include "app/ui/TfrmProperties.h"

#include "app/TimelineDocument.h"
#include "time/UnitTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
QLineEdit* ReadOnlyBox(const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setReadOnly(true);
    box->setMinimumWidth(320);
    return box;
}

QLabel* Note(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #555;"));
    return label;
}
} // namespace

TfrmProperties::TfrmProperties(TTimelineDocument& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    setObjectName(QStringLiteral("frmProperties"));
    setWindowTitle(QStringLiteral("Properties"));
    const TSettingsParts parts = doc.SettingsParts();
    doc.EnsureTimelineID();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("View and set properties of this Vezizivu."), this));
    auto* form = new QFormLayout;
    edtLocation = ReadOnlyBox(doc.Timeline().FileName(), this);
    form->addRow(QStringLiteral("File location"), edtLocation);
    cmbUnits = new QComboBox(this);
    QStringList names;
    UnitSystemNames(names);
    cmbUnits->addItems(names);
    cmbUnits->setCurrentIndex(UnitSystemListPosition(doc.Timeline().Units()));
    form->addRow(QStringLiteral("Units"), cmbUnits);
    layout->addLayout(form);
    layout->addWidget(Note(QStringLiteral("Note: if you change units data will be changed accordingly. Please check values in data entry."), this));
    layout->addWidget(Note(QStringLiteral("\"Years and Weeks\" units are included for legacy purposes only and are no longer supported."), this));

    auto* password = new QGroupBox(QStringLiteral("Password Protection"), this);
    auto* p = new QVBoxLayout(password);
    chkProtect = new QCheckBox(QStringLiteral("Protect this timline - prevent editing"), password);
    chkProtect->setChecked(doc.HasPassword());
    p->addWidget(chkProtect);
    layout->addWidget(password);

    auto* identity = new QGroupBox(QStringLiteral("Identification"), this);
    auto* i = new QFormLayout(identity);
    edtID = ReadOnlyBox(parts.Timeline->TimelineID, identity);
    edtSourceID = ReadOnlyBox(parts.Timeline->SourceID, identity);
    edtSourceName = ReadOnlyBox(parts.Timeline->SourceName, identity);
    i->addRow(QStringLiteral("ID"), edtID);
    i->addRow(QStringLiteral("Source ID"), edtSourceID);
    i->addRow(QStringLiteral("Source name"), edtSourceName);
    i->addRow(Note(QStringLiteral("`Source` is the timeline it was exported from, if there was one."), identity));
    layout->addWidget(identity);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void TfrmProperties::Apply() {
    m_doc.ApplyProperties(chkProtect->isChecked(), UnitSystemAtListPosition(cmbUnits->currentIndex()));
}
