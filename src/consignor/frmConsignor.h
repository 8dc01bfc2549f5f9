// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "consignor/ConsignorFields.h"
#include "shell/ConsignorPicker.h"
#include "shell/EntryBoxes.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace mqt {

class ClickableLineEdit;
class Grid;
class MessageLine;
class Recordset;
class SharedValues;
class ScreenNavigator;

// Consignor maintenance: find consignors by the beginnings of their names,
// list them, select one with a click (which also puts the e-mail address on
// the clipboard), and add, change or delete a consignor or show its items.
//
// The routines follow the list-screen pattern (shell/EntryBoxes.h); here
// ShowLines lists the records of the search by the names.
class frmConsignor final : public QWidget, public ConsignorPicker {
    Q_OBJECT
public:
    frmConsignor(SharedValues& shared, ScreenNavigator& navigator);

    void ChooseConsignorForItems(const QString& lastName, const QString& firstName) override;

private:
    enum class Action { None = -1, Add, Change, Delete, ShowItems };
    static constexpr int GridColumnCount = 8;

    // Building the window (frmConsignorLayout.cpp).
    QWidget* BuildSearchRow();
    QWidget* BuildGrid();
    ColumnBoxes* BuildEntryRow();
    QWidget* BuildActionRow();
    void Connect();
    // Runs an event routine; a failure in it is shown in the error box.
    void Handle(void (frmConsignor::*routine)());

    // Searching, listing and selecting (frmConsignor.cpp).
    void Form_Load();
    void cmdShow_Click();
    void ShowLines();
    void GetData();
    void Grid_Click();
    void FlipGridColor();
    void ExecAction();
    void PrepareAdd();
    void PrepareChange();
    void ShowItems();
    void BlankTexts();
    void HideTexts();
    void txtShowLastName_Click();
    void cmdMenu_Click();
    Action ChosenAction() const;
    void SetActionsOff();
    ConsignorRecord EntryTexts() const;
    void FillEntry(const ConsignorRecord& record);
    Recordset& SelectCurrentConsignor();
    // The end of term beside the notes, written with the other fields.
    void WriteConsignorTerms(Recordset& consignors) const;

    // Adding, changing and deleting (frmConsignorUpdate.cpp).
    void cmdUpdate_Click();
    void AddConsignor(const ConsignorRecord& entry);
    bool ChangeConsignor(const ConsignorRecord& entry);
    void RenameItems(const ConsignorRecord& entry);
    void DeleteConsignor();
    bool Store(const QString& action, const std::function<void()>& write);
    // Selects the current consignor again for a write, and checks that it is
    // still as it was when the Change or Delete was opened; false when
    // another screen or till changed it since.
    bool SelectUnchangedConsignor();
    void RefuseChangedConsignor(const QString& action);

    SharedValues& shared_;
    ScreenNavigator& navigator_;

    MessageLine* lblMessage_ = nullptr;
    QPushButton* cmdMenu_ = nullptr;
    ClickableLineEdit* txtShowLastName_ = nullptr;
    QLineEdit* txtShowFirstName_ = nullptr;
    QPushButton* cmdShow_ = nullptr;
    QLabel* lblCount_ = nullptr;
    Grid* Grid_ = nullptr;
    QButtonGroup* actions_ = nullptr;
    std::array<QRadioButton*, 4> optAction_{};
    QPushButton* cmdUpdate_ = nullptr;
    // txtLastName to txtZip, one under each grid column.
    std::array<QLineEdit*, GridColumnCount> txtEntry_{};
    QLabel* lblNotes_ = nullptr;
    QPlainTextEdit* txtNotes_ = nullptr;
    std::optional<EntryBoxes> entry_;  // the boxes above with the notes
    QComboBox* cboConsignorTerms_ = nullptr;

    int SelectedRow_ = 0;  // grid row of the selected consignor, 0 for none
    int LineCount_ = 0;    // consignors listed
    ConsignorRecord RecordBuffer_;
    // The row version of the consignor a Change or Delete was opened on.
    std::int64_t OpenedVersion_ = 0;
    QString FormQuery_;
};

}  // namespace mqt
