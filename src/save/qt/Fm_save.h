#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TSaveForm;

// The save slot dialog: the caption panel of its mode, the ten rows of the
// page shown, the page selector, "決定" and "キャンセル". It draws the form's
// state and sends its controls to the form, which keeps every rule.
class TFormSave final : public QDialog {
    Q_OBJECT
public:
    TFormSave(TSaveForm& form, QWidget* parent);

    // Shows the form's mode and page, placed on the screen, until it closes.
    void ShowModal();
    // "キャンセル" and the Escape key: no slot.
    void reject() override;

    QLabel* Caption() const { return caption; }
    QTreeWidget* List() const { return list; }
    QToolButton* PageUp() const { return pageUp; }
    QToolButton* PageDown() const { return pageDown; }
    QLabel* PageNumber() const { return pageNumber; }
    QPushButton* DecideButton() const { return decide; }
    QPushButton* CancelButton() const { return cancel; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Fills the caption, the rows and the page number from the form.
    void Refill();
    void TurnPage(int step);
    void RowClicked();
    void DecideCommand();

    TSaveForm& form;
    QLabel* caption;
    QTreeWidget* list;
    QToolButton* pageUp;
    QToolButton* pageDown;
    QLabel* pageNumber;
    QPushButton* decide;
    QPushButton* cancel;
};
