#include "search/ui/TfrmViews.h"

#include "common/Dialogs.h"
#include "search/Views.h"
#include "search/ui/TViewsListWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrmViews::TfrmViews(const QString& viewsPath, TActions actions, QWidget* parent)
    : QDialog(parent), m_path(viewsPath), m_actions(std::move(actions)) {
    setObjectName(QStringLiteral("frmViews"));
    setWindowTitle(QStringLiteral("Views"));
    lstViews = new TViewsListWidget(this);
    lstViews->setObjectName(QStringLiteral("lstViews"));
    lstViews->setToolTip(QStringLiteral("Drag and drop items to reorder."));
    btnNew = new QPushButton(QStringLiteral("New..."), this);
    btnEdit = new QPushButton(QStringLiteral("Edit/Inspect..."), this);
    btnDelete = new QPushButton(QStringLiteral("Delete"), this);
    btnClose = new QPushButton(QStringLiteral("Close"), this);
    connect(btnNew, &QPushButton::clicked, this, &TfrmViews::NewView);
    connect(btnEdit, &QPushButton::clicked, this, &TfrmViews::EditSelected);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmViews::DeleteSelected);
    connect(btnClose, &QPushButton::clicked, this, &TfrmViews::CloseOrganiser);
    connect(lstViews, &QListWidget::itemDoubleClicked, this, &TfrmViews::EditSelected);

    auto* hints = new QLabel(
        QStringLiteral("Drag and drop items to reorder.\nDouble-click an item to edit/inspect it."),
        this);
    hints->setStyleSheet(QStringLiteral("color: #5a6472;"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {btnNew, btnEdit, btnDelete})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* row = new QHBoxLayout;
    row->addWidget(lstViews, 1);
    row->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addWidget(hints);
    resize(380, 340);
    Refill();
}

QStringList TfrmViews::Names() const {
    QStringList names;
    for (int i = 0; i < lstViews->count(); ++i)
        names << lstViews->item(i)->text();
    return names;
}

void TfrmViews::Refill() {
    lstViews->clear();
    lstViews->addItems(TtlViews(m_path).ListViews());
}

void TfrmViews::Guarded(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        if (m_actions.OnError)
            m_actions.OnError(e);
    }
}

void TfrmViews::NewView() {
    Guarded([this] {
        if (m_actions.EditView && m_actions.EditView(QString()))
            Refill();
    });
}

void TfrmViews::EditSelected() {
    QListWidgetItem* item = lstViews->currentItem();
    if (!item || !item->isSelected()) {
        Dialogs().Information(NoSelectionText());
        return;
    }
    const QString name = item->text();
    Guarded([this, &name] {
        if (m_actions.EditView && m_actions.EditView(name))
            Refill();
    });
}

void TfrmViews::DeleteSelected() {
    QListWidgetItem* item = lstViews->currentItem();
    if (!item || !item->isSelected()) {
        Dialogs().Information(NoSelectionText());
        return;
    }
    if (Dialogs().Ask(TMsgKind::Confirmation, DeleteQuestion(), TMsgButton::Ok | TMsgButton::Cancel,
                      {}) != TMsgButton::Ok)
        return;
    const QString name = item->text();
    Guarded([this, &name] {
        TtlViews(m_path).DeleteView(name);
        if (m_actions.MarkModified)
            m_actions.MarkModified();
        Refill();
    });
}

void TfrmViews::CloseOrganiser() {
    Guarded([this] {
        TtlViews(m_path).WriteOrdering(Names());
        accept();
    });
}
