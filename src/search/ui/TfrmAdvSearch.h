// The search dialog ("Search"): name and description keywords, a date or value range, groups
// and search tags. Its fields are remembered between searches (TSearchFormPersistence) until
// the next timeline is opened.
#pragma once

#include "search/AdvancedSearch.h"
#include "search/SearchFormPersistence.h"
#include "time/TimeTypes.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class TRangeEntryPanel;

class TfrmAdvSearch : public QDialog {
    Q_OBJECT
public:
    // `groupNames` fill the group list; `runSearch` runs the search of the dialog's criteria.
    TfrmAdvSearch(const QStringList& groupNames, TUnitSystem units,
                  TSearchFormPersistence& persistence,
                  std::function<void(const TAdvancedSearch&)> runSearch, QWidget* parent = nullptr);

    QLineEdit* edtName;
    TRangeEntryPanel* pnlRange;
    QLineEdit* edtDesc;
    QListWidget* lstGroups;
    QLineEdit* edtTags;
    QLabel* lnkClearForm;
    QLabel* lnkHelp;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    // Every text and picker empty, every group checked.
    void ClearForm();
    // The criteria the form holds now.
    TAdvancedSearch Criteria() const;
    // After OK: runs the search and remembers the fields.
    void Apply();

Q_SIGNALS:
    void HelpRequested(const QString& topic);

private:
    void LoadPersisted();
    QStringList CheckedGroups() const;

    TSearchFormPersistence& m_persistence;
    std::function<void(const TAdvancedSearch&)> m_runSearch;
};
