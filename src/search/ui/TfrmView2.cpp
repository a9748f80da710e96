#include "search/ui/TfrmView2.h"

#include "common/ColourText.h"
#include "common/Dialogs.h"
#include "common/FontText.h"
#include "search/SQLDataMod.h"
#include "search/ui/TRangeEntryPanel.h"
#include "time/ui/TDateEntry.h"

#include <QCheckBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {
const QString kAsLeft = QStringLiteral("As they were left...");
const QString kFromTimeline = QStringLiteral("Update from timeline.");

// Multi-line texts are held with CR LF; the edit boxes show plain line feeds.
QString ForEditor(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString FromEditor(const QPlainTextEdit* edit) {
    return edit->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString CmText(int pixels) {
    return QLocale().toString(PixelsToCm(pixels), 'f', 1);
}

// Centimetres typed in a box, as pixels; `previous` when the box does not read as a number.
int CmBoxPixels(const QLineEdit* box, int previous) {
    bool ok = false;
    double cm = QLocale().toDouble(box->text().trimmed(), &ok);
    if (!ok)
        cm = QLocale::c().toDouble(box->text().trimmed(), &ok);
    return ok && std::isfinite(cm) ? CmToPixels(cm) : previous;
}

QLineEdit* CmBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaximumWidth(70);
    return box;
}
} // namespace

TfrmView2::TfrmView2(TViewEditorContext context, QWidget* parent)
    : QDialog(parent), m_context(std::move(context)) {
    setObjectName(QStringLiteral("frmView2"));
    setWindowTitle(QStringLiteral("Edit / Inspect View"));
    pgcPages = new QTabWidget(this);
    pgcPages->addTab(BuildMainPage(), QStringLiteral("Main Features"));
    pgcPages->addTab(BuildTitlePage(), QStringLiteral("Title and Text Box"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmView2::OkClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pgcPages);
    layout->addWidget(buttons);

    m_request.Clear();
    // The defaults of a view that was never stored.
    m_request.TitleLeft = 100;
    m_request.TitleTop = 50;
    m_request.TextBoxLeft = 50;
    m_request.TextBoxTop = 50;
    m_request.TextBoxWidth = 230;
    m_request.TextBoxHeight = 140;
    edtName->setText(m_context.ViewName);
    if (!m_context.ViewName.isEmpty() && !m_context.ViewsPath.isEmpty()) {
        TtlViews(m_context.ViewsPath).LoadView(m_context.ViewName, m_request, m_context.EventName);
        // A range typed as the keywords of a simple search is shown as the range.
        QString keywords;
        double low = NoRangeValue, high = NoRangeValue;
        if (ParseSearchText(m_request.Keywords, keywords, low, high)) {
            m_request.Keywords.clear();
            m_request.Year1 = low;
            m_request.Year2 = high;
            m_request.UseYearArgs = true;
        }
    }
    FillFromRequest(m_request);
    resize(620, 560);
}

QWidget* TfrmView2::BuildMainPage() {
    auto* page = new QWidget(this);
    edtName = new QLineEdit(page);
    edtName->setObjectName(QStringLiteral("edtName"));
    chkDateTimeSpecified = new QCheckBox(QStringLiteral("Date / time range"), page);
    chkDateTimeSpecified->setObjectName(QStringLiteral("chkDateTimeSpecified"));
    pnlRange = new TRangeEntryPanel(m_context.Units, page);
    edtKeywords = new QLineEdit(page);
    edtKeywords->setObjectName(QStringLiteral("edtKeywords"));
    edtDescKeywords = new QLineEdit(page);
    edtDescKeywords->setObjectName(QStringLiteral("edtDescKeywords"));
    edtTags = new QLineEdit(page);
    edtTags->setObjectName(QStringLiteral("edtTags"));
    lstGroups = new QListWidget(page);
    lstGroups->setObjectName(QStringLiteral("lstGroups"));
    for (const QString& name : m_context.GroupNames) {
        auto* item = new QListWidgetItem(name, lstGroups);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    memNotes = new QPlainTextEdit(page);
    memNotes->setObjectName(QStringLiteral("memNotes"));
    memNotes->setPlaceholderText(QStringLiteral("About this View. Not displayed."));
    memNotes->setToolTip(QStringLiteral("About this View. Not displayed."));
    lstBlownAway = new QListWidget(page);
    lstBlownAway->setObjectName(QStringLiteral("lstBlownAway"));
    lblPositions = new QLabel(kAsLeft, page);
    lblPositions->setObjectName(QStringLiteral("lblPositions"));
    lblGetSearchDetails =
        new QLabel(QStringLiteral("<a href=\"#\" style=\"color:#1f5fae; text-decoration:none;\">"
                                  "Update From Display</a>"),
                   page);
    lblGetSearchDetails->setObjectName(QStringLiteral("lblGetSearchDetails"));
    lblGetSearchDetails->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    lblGetSearchDetails->setCursor(Qt::PointingHandCursor);
    lblGetSearchDetails->setToolTip(
        QStringLiteral("Take the search, positions, title and text box from the timeline"));
    connect(lblGetSearchDetails, &QLabel::linkActivated, this, [this] { UpdateFromDisplay(); });

    auto* criteria = new QGroupBox(QStringLiteral("Search"), page);
    auto* form = new QFormLayout(criteria);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->addRow(chkDateTimeSpecified, pnlRange);
    form->addRow(QStringLiteral("Keywords (in name):"), edtKeywords);
    form->addRow(QStringLiteral("Keywords (in desc.):"), edtDescKeywords);
    form->addRow(QStringLiteral("Search tags"), edtTags);
    form->addRow(QStringLiteral("Groups"), lstGroups);

    auto* name = new QHBoxLayout;
    name->addWidget(new QLabel(QStringLiteral("Name:"), page));
    name->addWidget(edtName, 1);
    name->addSpacing(12);
    name->addWidget(lblGetSearchDetails);

    auto* lower = new QGridLayout;
    lower->addWidget(new QLabel(QStringLiteral("Notes:"), page), 0, 0);
    lower->addWidget(new QLabel(QStringLiteral("Blownaway events:"), page), 0, 1);
    lower->addWidget(memNotes, 1, 0);
    lower->addWidget(lstBlownAway, 1, 1);
    auto* positions = new QHBoxLayout;
    positions->addWidget(new QLabel(QStringLiteral("Event positions:"), page));
    positions->addWidget(lblPositions, 1);
    lower->addLayout(positions, 2, 0, 1, 2);
    lower->setRowStretch(1, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(name);
    layout->addWidget(criteria, 3);
    layout->addLayout(lower, 2);
    return page;
}

QWidget* TfrmView2::BuildTitlePage() {
    auto* page = new QWidget(this);
    edtTitle = new QLineEdit(page);
    edtTitle->setObjectName(QStringLiteral("edtTitle"));
    chkTitle = new QCheckBox(QStringLiteral("Title"), page);
    chkTitle->setObjectName(QStringLiteral("chkTitle"));
    edtTitleLeft = CmBox(page, "edtTitleLeft");
    edtTitleTop = CmBox(page, "edtTitleTop");
    memTextBox = new QPlainTextEdit(page);
    memTextBox->setObjectName(QStringLiteral("memTextBox"));
    chkTextBox = new QCheckBox(QStringLiteral("Text box"), page);
    chkTextBox->setObjectName(QStringLiteral("chkTextBox"));
    edtTextBoxLeft = CmBox(page, "edtTextBoxLeft");
    edtTextBoxTop = CmBox(page, "edtTextBoxTop");
    edtTextBoxWidth = CmBox(page, "edtTextBoxWidth");
    edtTextBoxHeight = CmBox(page, "edtTextBoxHeight");

    auto* title = new QGroupBox(QStringLiteral("Title"), page);
    auto* titleGrid = new QGridLayout(title);
    titleGrid->addWidget(edtTitle, 0, 0, 1, 6);
    titleGrid->addWidget(chkTitle, 1, 0);
    titleGrid->addWidget(new QLabel(QStringLiteral("Left (cm):"), title), 1, 1, Qt::AlignRight);
    titleGrid->addWidget(edtTitleLeft, 1, 2);
    titleGrid->addWidget(new QLabel(QStringLiteral("Top (cm):"), title), 1, 3, Qt::AlignRight);
    titleGrid->addWidget(edtTitleTop, 1, 4);
    titleGrid->setColumnStretch(5, 1);

    auto* box = new QGroupBox(QStringLiteral("Introduction text box"), page);
    auto* boxGrid = new QGridLayout(box);
    boxGrid->addWidget(memTextBox, 0, 0, 1, 6);
    boxGrid->addWidget(chkTextBox, 1, 0);
    boxGrid->addWidget(new QLabel(QStringLiteral("Left (cm):"), box), 1, 1, Qt::AlignRight);
    boxGrid->addWidget(edtTextBoxLeft, 1, 2);
    boxGrid->addWidget(new QLabel(QStringLiteral("Top (cm):"), box), 1, 3, Qt::AlignRight);
    boxGrid->addWidget(edtTextBoxTop, 1, 4);
    boxGrid->addWidget(new QLabel(QStringLiteral("Width (cm):"), box), 2, 1, Qt::AlignRight);
    boxGrid->addWidget(edtTextBoxWidth, 2, 2);
    boxGrid->addWidget(new QLabel(QStringLiteral("Height (cm):"), box), 2, 3, Qt::AlignRight);
    boxGrid->addWidget(edtTextBoxHeight, 2, 4);
    boxGrid->setColumnStretch(5, 1);
    boxGrid->setRowStretch(0, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(title);
    layout->addWidget(box, 1);
    return page;
}

void TfrmView2::FillCriteria(const TSearchRequest& r) {
    chkDateTimeSpecified->setChecked(r.UseYearArgs);
    pnlRange->SetValues(r.Year1, r.Year2);
    edtKeywords->setText(r.Keywords);
    edtDescKeywords->setText(r.DescKeywords);
    edtTags->setText(r.Tags());
    SetGroupChecks(r.Groups);
}

void TfrmView2::FillDecorations(const TViewDecorations& d) {
    edtTitle->setText(d.Title);
    chkTitle->setChecked(d.TitleVisible);
    edtTitleLeft->setText(CmText(d.TitleLeft));
    edtTitleTop->setText(CmText(d.TitleTop));
    memTextBox->setPlainText(ForEditor(d.TextBox));
    chkTextBox->setChecked(d.TextBoxVisible);
    edtTextBoxLeft->setText(CmText(d.TextBoxLeft));
    edtTextBoxTop->setText(CmText(d.TextBoxTop));
    edtTextBoxWidth->setText(CmText(d.TextBoxWidth));
    edtTextBoxHeight->setText(CmText(d.TextBoxHeight));
    ShowTitleStyle();
}

void TfrmView2::FillFromRequest(const TSearchRequest& r) {
    FillCriteria(r);
    memNotes->setPlainText(ForEditor(r.Notes));
    FillDecorations(TViewDecorations::FromRequest(r));
    lstBlownAway->clear();
    lstBlownAway->addItems(r.BlownAwayNames);
    lblPositions->setText(kAsLeft);
}

void TfrmView2::FillFromSearchForm(const TSearchFormPersistence::TValues& v) {
    chkDateTimeSpecified->setChecked(v.DateRangeUsed);
    pnlRange->SetRemembered(v.Date1, v.Date2, v.RealDate1, v.RealDate2);
    edtKeywords->setText(v.NameKeywords);
    edtDescKeywords->setText(v.DescKeywords);
    edtTags->setText(v.Tags);
    SetGroupChecks(v.Groups);
}

void TfrmView2::SetGroupChecks(const QStringList& groups) {
    if (groups.isEmpty())
        return;
    for (int i = 0; i < lstGroups->count(); ++i) {
        QListWidgetItem* item = lstGroups->item(i);
        item->setCheckState(groups.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
}

void TfrmView2::ShowTitleStyle() {
    // The title box shows the title's font and background colour, as far as they can be read.
    QString style;
    if (!m_request.TitleColour.isEmpty()) {
        try {
            style = QStringLiteral("QLineEdit { background: %1; }")
                        .arg(ToQColor(TextToColor(m_request.TitleColour)).name());
        } catch (const std::exception&) {
        }
    }
    edtTitle->setStyleSheet(style);
    TFontDef font;
    font.Size = 14;
    if (!m_request.TitleFont.isEmpty()) {
        try {
            TextToFont(m_request.TitleFont, font);
        } catch (const std::exception&) {
        }
    }
    edtTitle->setFont(font.ToQFont());
}

QString TfrmView2::UpdateQuestion() const {
    const QString last = QStringLiteral("\r\n\r\n[The last view selected there was `%1`.]")
                             .arg(m_context.ViewRequest.ViewName);
    if (m_context.ViewName.isEmpty())
        return QStringLiteral("Update the view you are creating from what is currently displayed "
                              "on the timeline?") +
               last;
    return QStringLiteral("Update the view you are editing (`%1`) from what is currently displayed "
                          "on the timeline?")
               .arg(m_context.ViewName) +
           last;
}

bool TfrmView2::UpdateFromDisplay() {
    if (Dialogs().Ask(TMsgKind::Confirmation, UpdateQuestion(), TMsgButton::Ok | TMsgButton::Cancel,
                      {}) != TMsgButton::Ok)
        return false;
    switch (m_context.Source) {
    case dsSearchDialog:
        if (m_context.SearchForm)
            FillFromSearchForm(m_context.SearchForm());
        break;
    case dsAxisSelection:
        chkDateTimeSpecified->setChecked(false);
        pnlRange->edtStart->clear();
        pnlRange->edtEnd->clear();
        pnlRange->dtpStart->SetDate(QDate::currentDate());
        pnlRange->dtpEnd->SetDate(QDate::currentDate());
        edtKeywords->clear();
        edtDescKeywords->clear();
        for (int i = 0; i < lstGroups->count(); ++i)
            lstGroups->item(i)->setCheckState(Qt::Unchecked);
        chkDateTimeSpecified->setChecked(true);
        pnlRange->SetValues(m_context.Low, m_context.High);
        break;
    case dsView: {
        TSearchRequest r = m_context.ViewRequest;
        QString keywords;
        double low = NoRangeValue, high = NoRangeValue;
        if (ParseSearchText(r.Keywords, keywords, low, high)) {
            r.Keywords.clear();
            r.Year1 = low;
            r.Year2 = high;
            r.UseYearArgs = true;
        }
        FillCriteria(r);
        memNotes->setPlainText(ForEditor(r.Notes));
        break;
    }
    case dsShowAll:
        break;
    default:
        Dialogs().Error(MinorErrorText());
        break;
    }
    lstBlownAway->clear();
    if (m_context.BlownAwayLabels)
        lstBlownAway->addItems(m_context.BlownAwayLabels());
    lblPositions->setText(kFromTimeline);
    m_savePositions = true;
    if (m_context.Decorations) {
        const TViewDecorations d = m_context.Decorations();
        // What the form cannot show (font, colour, exact pixels) is taken as well.
        d.ToRequest(m_request);
        FillDecorations(d);
    }
    return true;
}

bool TfrmView2::Validate() {
    const QString name = edtName->text();
    if (name.contains(QLatin1Char('=')) || name.contains(QLatin1Char('"')) ||
        name.contains(QLatin1Char(','))) {
        Dialogs().Warning(ProhibitedCharacterText());
        return false;
    }
    if (name.isEmpty()) {
        Dialogs().Warning(NoNameText());
        return false;
    }
    if (TtlViews::IsReservedViewName(name)) {
        Dialogs().Warning(ReservedNameText());
        return false;
    }
    if (chkDateTimeSpecified->isChecked()) {
        bool endBeforeStart = false;
        if (pnlRange->Dates()) {
            endBeforeStart = !pnlRange->dtpEnd->IsEmpty() &&
                             pnlRange->dtpStart->Date() > pnlRange->dtpEnd->Date();
        } else if (!pnlRange->edtEnd->text().isEmpty()) {
            const auto number = [](const QLineEdit* box) {
                const double v = TRangeEntryPanel::BoxValue(box);
                return v == NoRangeValue ? 0.0 : v;
            };
            endBeforeStart = number(pnlRange->edtEnd) < number(pnlRange->edtStart);
        }
        if (endBeforeStart) {
            Dialogs().Warning(EndBeforeStartText());
            return false;
        }
    }
    return true;
}

QString TfrmView2::SavedName() const {
    return edtName->text();
}

void TfrmView2::Save() {
    TSearchRequest r;
    r.Clear();
    r.UseYearArgs = chkDateTimeSpecified->isChecked();
    if (r.UseYearArgs) {
        if (pnlRange->Dates()) {
            r.Year1 = pnlRange->dtpStart->DateValue();
            r.Year2 = pnlRange->dtpEnd->DateValue();
        } else {
            r.Year1 = TRangeEntryPanel::BoxValue(pnlRange->edtStart);
            r.Year2 = TRangeEntryPanel::BoxValue(pnlRange->edtEnd);
        }
    }
    r.ShowFeedback = m_request.ShowFeedback;
    r.Keywords = edtKeywords->text();
    r.DescKeywords = edtDescKeywords->text();
    r.Notes = FromEditor(memNotes);
    r.SetTags(edtTags->text());
    r.Title = edtTitle->text();
    r.TitleVisible = chkTitle->isChecked();
    r.TitleLeft = CmBoxPixels(edtTitleLeft, m_request.TitleLeft);
    r.TitleTop = CmBoxPixels(edtTitleTop, m_request.TitleTop);
    r.TitleFont = m_request.TitleFont;
    r.TitleColour = m_request.TitleColour;
    r.TextBox = FromEditor(memTextBox);
    r.TextBoxVisible = chkTextBox->isChecked();
    r.TextBoxLeft = CmBoxPixels(edtTextBoxLeft, m_request.TextBoxLeft);
    r.TextBoxTop = CmBoxPixels(edtTextBoxTop, m_request.TextBoxTop);
    r.TextBoxWidth = CmBoxPixels(edtTextBoxWidth, m_request.TextBoxWidth);
    r.TextBoxHeight = CmBoxPixels(edtTextBoxHeight, m_request.TextBoxHeight);
    QStringList groups;
    for (int i = 0; i < lstGroups->count(); ++i)
        if (lstGroups->item(i)->checkState() == Qt::Checked)
            groups << lstGroups->item(i)->text();
    r.Groups = groups;
    if (m_context.SqlBuilder)
        r.BuildSQL(*m_context.SqlBuilder);

    const QString name = SavedName();
    TtlViews views(m_context.ViewsPath);
    if (!m_context.ViewName.isEmpty() && name != m_context.ViewName)
        views.RenameView(m_context.ViewName, name);
    std::vector<TViewEventPosition> positions;
    if (m_savePositions && m_context.Positions)
        positions = m_context.Positions();
    views.SaveView(name, m_savePositions, r, positions);
    if (m_context.MarkModified)
        m_context.MarkModified();
}

void TfrmView2::OkClicked() {
    if (!Validate())
        return;
    try {
        Save();
    } catch (const std::exception& e) {
        if (m_context.OnError)
            m_context.OnError(e);
        return;
    }
    accept();
}
