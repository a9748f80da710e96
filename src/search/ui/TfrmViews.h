// The views organiser ("Views"): the views in their order, reordered by drag and drop, opened
// in the view editor, created and deleted. Closing with "Close" stores the order.
#pragma once

#include <QDialog>

#include <exception>
#include <functional>

class QPushButton;
class TViewsListWidget;

class TfrmViews : public QDialog {
    Q_OBJECT
public:
    struct TActions {
        // Opens the view editor on a view (empty: a new one); true when it saved.
        std::function<bool(const QString& name)> EditView;
        // The timeline has changed (a view was deleted).
        std::function<void()> MarkModified;
        // A failure of a button's work; the organiser stays open.
        std::function<void(const std::exception&)> OnError;
    };

    TfrmViews(const QString& viewsPath, TActions actions, QWidget* parent = nullptr);

    TViewsListWidget* lstViews;
    QPushButton* btnNew;
    QPushButton* btnEdit;
    QPushButton* btnDelete;
    QPushButton* btnClose;

    // The names in the list's order.
    QStringList Names() const;
    void Refill();

    void NewView();
    void EditSelected();
    void DeleteSelected();
    // Stores the order and closes.
    void CloseOrganiser();

    static QString NoSelectionText() {
        return QStringLiteral("No View is selected. Please select a View and try again.");
    }
    static QString DeleteQuestion() {
        return QStringLiteral("Are you sure you want to delete the selected view?");
    }

private:
    void Guarded(const std::function<void()>& work);

    QString m_path;
    TActions m_actions;
};
