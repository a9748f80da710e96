// The view editor ("Edit / Inspect View"): the search of a view, its notes, the events it keeps
// hidden, and its title and introduction text box, on the pages "Main Features" and "Title and
// Text Box". "Update From Display" takes all of it from what the main window shows now.
#pragma once

#include "search/ViewEditorContext.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTabWidget;
class TRangeEntryPanel;

class TfrmView2 : public QDialog {
    Q_OBJECT
public:
    // Loads the view named in the context (none for a new view) into the form.
    explicit TfrmView2(TViewEditorContext context, QWidget* parent = nullptr);

    QTabWidget* pgcPages;
    // "Main Features"
    QLineEdit* edtName;
    QCheckBox* chkDateTimeSpecified;
    TRangeEntryPanel* pnlRange;
    QLineEdit* edtKeywords;
    QLineEdit* edtDescKeywords;
    QLineEdit* edtTags;
    QListWidget* lstGroups;
    QPlainTextEdit* memNotes;
    QListWidget* lstBlownAway;
    QLabel* lblPositions;
    QLabel* lblGetSearchDetails;
    // "Title and Text Box"
    QLineEdit* edtTitle;
    QCheckBox* chkTitle;
    QLineEdit* edtTitleLeft;
    QLineEdit* edtTitleTop;
    QPlainTextEdit* memTextBox;
    QCheckBox* chkTextBox;
    QLineEdit* edtTextBoxLeft;
    QLineEdit* edtTextBoxTop;
    QLineEdit* edtTextBoxWidth;
    QLineEdit* edtTextBoxHeight;

    // "Update From Display": asks first; on OK fills the form from the display. False when the
    // question was cancelled.
    bool UpdateFromDisplay();
    // The checks of OK; shows the first refusal and returns false.
    bool Validate();
    // Saves the form as the view (renaming it first when its name was changed) and marks the
    // timeline modified. Throws when the views file cannot be written.
    void Save();
    // The name the view is saved under.
    QString SavedName() const;
    bool SavesPositions() const { return m_savePositions; }

    // The question of "Update From Display".
    QString UpdateQuestion() const;

    // The program's texts.
    static QString ProhibitedCharacterText() {
        return QStringLiteral(
            "There is a prohibited character in the name (equals sign, double quotes, comma).");
    }
    static QString NoNameText() { return QStringLiteral("There is no name."); }
    static QString ReservedNameText() {
        return QStringLiteral(
            "That name is used by the program itself. Please choose another name.");
    }
    static QString EndBeforeStartText() {
        return QStringLiteral("The end date must be greater than the start date.");
    }
    static QString MinorErrorText() {
        return QStringLiteral("A minor error has occurred. Report code 02uja76.");
    }

private:
    QWidget* BuildMainPage();
    QWidget* BuildTitlePage();
    void FillFromRequest(const TSearchRequest& request);
    void FillCriteria(const TSearchRequest& request);
    void FillDecorations(const TViewDecorations& decorations);
    void FillFromSearchForm(const TSearchFormPersistence::TValues& values);
    void SetGroupChecks(const QStringList& groups);
    void ShowTitleStyle();
    void OkClicked();

    TViewEditorContext m_context;
    // The request the form was loaded from: what a form field cannot show stays as it was.
    TSearchRequest m_request;
    bool m_savePositions = false;
};
