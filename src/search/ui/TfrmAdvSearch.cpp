#include "search/ui/TfrmAdvSearch.h"

#include "search/ui/TRangeEntryPanel.h"
#include "time/ui/TDateEntry.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QLabel* Link(const QString& text, QWidget* parent) {
    auto* label = new QLabel(
        QStringLiteral("<a href=\"#\" style=\"color:#1f5fae; text-decoration:none;\">%1</a>")
            .arg(text.toHtmlEscaped()),
        parent);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}
} // namespace

TfrmAdvSearch::TfrmAdvSearch(const QStringList& groupNames, TUnitSystem units,
                             TSearchFormPersistence& persistence,
                             std::function<void(const TAdvancedSearch&)> runSearch, QWidget* parent)
    : QDialog(parent), m_persistence(persistence), m_runSearch(std::move(runSearch)) {
    setObjectName(QStringLiteral("frmAdvSearch"));
    setWindowTitle(QStringLiteral("Search"));

    edtName = new QLineEdit(this);
    edtName->setObjectName(QStringLiteral("edtName"));
    pnlRange = new TRangeEntryPanel(units, this);
    edtDesc = new QLineEdit(this);
    edtDesc->setObjectName(QStringLiteral("edtDesc"));
    lstGroups = new QListWidget(this);
    lstGroups->setObjectName(QStringLiteral("lstGroups"));
    lstGroups->setMinimumHeight(90);
    lstGroups->setMaximumHeight(130);
    for (const QString& name : groupNames) {
        auto* item = new QListWidgetItem(name, lstGroups);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    edtTags = new QLineEdit(this);
    edtTags->setObjectName(QStringLiteral("edtTags"));
    edtTags->setPlaceholderText(QStringLiteral("e.g. history, war"));

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(QStringLiteral("Name contains"), edtName);
    form->addRow(QStringLiteral("Date / time range"), pnlRange);
    form->addRow(QStringLiteral("Description contains"), edtDesc);
    form->addRow(QStringLiteral("Groups"), lstGroups);
    form->addRow(QStringLiteral("Search tags"), edtTags);

    lnkClearForm = Link(QStringLiteral("Clear Form"), this);
    lnkClearForm->setObjectName(QStringLiteral("lnkClearForm"));
    lnkHelp = Link(QStringLiteral("Help"), this);
    lnkHelp->setObjectName(QStringLiteral("lnkHelp"));
    connect(lnkClearForm, &QLabel::linkActivated, this, &TfrmAdvSearch::ClearForm);
    connect(lnkHelp, &QLabel::linkActivated, this, [this] { Q_EMIT HelpRequested(windowTitle()); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnOK = buttons->button(QDialogButtonBox::Ok);
    btnCancel = buttons->button(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* links = new QHBoxLayout;
    links->addWidget(lnkClearForm);
    links->addSpacing(12);
    links->addWidget(lnkHelp);
    links->addStretch(1);
    links->addWidget(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(links);
    resize(460, sizeHint().height());

    ClearForm();
    LoadPersisted();
}

void TfrmAdvSearch::ClearForm() {
    edtName->clear();
    edtDesc->clear();
    edtTags->clear();
    pnlRange->Clear();
    for (int i = 0; i < lstGroups->count(); ++i)
        lstGroups->item(i)->setCheckState(Qt::Checked);
}

void TfrmAdvSearch::LoadPersisted() {
    const TSearchFormPersistence::TValues v = m_persistence.Load();
    pnlRange->SetRemembered(v.Date1, v.Date2, v.RealDate1, v.RealDate2);
    edtName->setText(v.NameKeywords);
    edtDesc->setText(v.DescKeywords);
    edtTags->setText(v.Tags);
    if (!v.Groups.isEmpty())
        for (int i = 0; i < lstGroups->count(); ++i) {
            QListWidgetItem* item = lstGroups->item(i);
            item->setCheckState(v.Groups.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
        }
}

QStringList TfrmAdvSearch::CheckedGroups() const {
    QStringList checked;
    for (int i = 0; i < lstGroups->count(); ++i)
        if (lstGroups->item(i)->checkState() == Qt::Checked)
            checked << lstGroups->item(i)->text();
    return checked;
}

TAdvancedSearch TfrmAdvSearch::Criteria() const {
    TAdvancedSearch c;
    c.NameText = edtName->text();
    c.DescText = edtDesc->text();
    c.Tags = edtTags->text();
    if (pnlRange->Dates()) {
        const double start = pnlRange->dtpStart->EnteredValue();
        const double end = pnlRange->dtpEnd->EnteredValue();
        c.UseRange = start != 0 && end != 0;
        c.Date1 = pnlRange->dtpStart->DateValue();
        c.Date2 = pnlRange->dtpEnd->Date().isValid() ? pnlRange->dtpEnd->DateValue() : 1000000000;
    } else {
        c.Date1 = TRangeEntryPanel::BoxValue(pnlRange->edtStart);
        c.UseRange = c.Date1 != NoRangeValue;
        c.Date2 = TRangeEntryPanel::BoxValue(pnlRange->edtEnd);
    }
    // Every group checked is no group condition, so events without a group are found too.
    const QStringList checked = CheckedGroups();
    if (checked.size() < lstGroups->count())
        c.Groups = checked;
    return c;
}

void TfrmAdvSearch::Apply() {
    const TAdvancedSearch c = Criteria();
    if (m_runSearch)
        m_runSearch(c);
    TSearchFormPersistence::TValues v;
    v.DateRangeUsed = c.UseRange;
    v.Date1 = pnlRange->edtStart->text();
    v.Date2 = pnlRange->edtEnd->text();
    if (!pnlRange->dtpStart->IsEmpty())
        v.RealDate1 = pnlRange->dtpStart->Date();
    if (!pnlRange->dtpEnd->IsEmpty())
        v.RealDate2 = pnlRange->dtpEnd->Date();
    v.NameKeywords = c.NameText;
    v.DescKeywords = c.DescText;
    v.Groups = CheckedGroups();
    v.Tags = c.Tags;
    m_persistence.Save(v);
}
