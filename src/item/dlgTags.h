// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QButtonGroup;
class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace mqt {

class SharedValues;
struct TagSheet;

// What the item screen lists when tags are asked for.
struct TagChoices {
    std::optional<std::int64_t> selectedItemNo;
    std::vector<std::int64_t> listedItemNos;  // in the grid's order
    QString lastName;                         // the listed consignor; empty when none
    QString firstName;
};

// The price tags dialog of the item screen: which items (the selected one,
// every unsold one listed, the listed consignor's items added today, or the
// shop's unsold items whose price changed since their tag was made), the
// paper, the first free label of a partly used sheet and the copies of each
// tag; then Print... through the print dialog or Save PDF into the shop
// folder's "tags". The paper chosen last is remembered in the shop folder.
class dlgTags final : public QDialog {
    Q_OBJECT
public:
    dlgTags(SharedValues& shared, TagChoices choices, QWidget* parent = nullptr);

    // What the item screen's message line says once the dialog is done;
    // empty when nothing was made.
    const QString& Outcome() const { return outcome_; }

private:
    void cboTagLayout_Change();
    void cmdPrintTags_Click();
    void cmdSaveTags_Click();
    // The chosen items and settings; none (after saying why) when there is
    // nothing to tag.
    std::optional<TagSheet> ChosenSheet();
    void RememberLayout();
    // Notes the prices the tags show; a failure there leaves the tags made
    // and only adds to the outcome.
    void NoteTagPrices(const TagSheet& sheet);

    SharedValues& shared_;
    TagChoices choices_;
    QString outcome_;
    QButtonGroup* optTagsFor_ = nullptr;
    std::array<QRadioButton*, 4> optionTagsFor_{};
    QComboBox* cboTagLayout_ = nullptr;
    QSpinBox* spnFirstPosition_ = nullptr;
    QSpinBox* spnCopies_ = nullptr;
    QPushButton* cmdPrintTags_ = nullptr;
    QPushButton* cmdSaveTags_ = nullptr;
};

}  // namespace mqt
