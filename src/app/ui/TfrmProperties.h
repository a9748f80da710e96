// The Properties dialog: the file location, the unit system, the password protection and the
// timeline's identity.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class TTimelineDocument;

class TfrmProperties : public QDialog {
    Q_OBJECT
public:
    // Shows the document's properties; its ID is created when it has none.
    TfrmProperties(TTimelineDocument& doc, QWidget* parent = nullptr);

    // OK: the protection as ticked (asking for the password), then the unit system.
    void Apply();

    QLineEdit* edtLocation;
    QComboBox* cmbUnits;
    QCheckBox* chkProtect;
    QLineEdit* edtID;
    QLineEdit* edtSourceID;
    QLineEdit* edtSourceName;

private:
    TTimelineDocument& m_doc;
};
