// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "consignment/ConsignmentTerms.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace mqt {

class Recordset;
class SharedValues;
class TermsFrame;

// The parameters screen: shows the shop's settings and writes them back to
// the params row and to Settings. It has no way back to the menu; it closes
// itself after Update, or is closed through its window.
class frmParams final : public QWidget {
    Q_OBJECT
public:
    explicit frmParams(SharedValues& shared);

    // Fills the boxes from Settings.
    void Form_Load();
    // Stores the boxes in Settings and in the params row, with the shop's
    // markdown rows in the same transaction, then closes the screen. A
    // commission or terms that cannot be stored are refused first.
    void cmdUpdate_Click();

private:
    void SetTabOrder();
    // The shop's name and address, which head statements and tags
    // (frmParamsShop.cpp).
    void AddShopBoxes(QGridLayout& layout, int row);
    void FillShopBoxes();
    void TakeShopBoxes(Recordset& params) const;
    // Writes the terms with the params row's change; a change of the term or
    // the markdown rows also makes the next daily pass see every item again.
    void StoreTerms(Recordset& params, const ConsignmentTerms& terms);

    SharedValues& shared_;
    QLineEdit* txtCommission_;
    QLineEdit* txtRounding_;
    QCheckBox* chkPriceOverride_;
    QLineEdit* txtDrive_;
    std::array<QLineEdit*, 4> txtFolder_{};
    QLineEdit* txtShopName_ = nullptr;
    QPlainTextEdit* txtShopAddress_ = nullptr;
    QLineEdit* txtTaxRate_;
    QPushButton* cmdUpdate_;
    TermsFrame* fraTerms_;
    ConsignmentTerms LoadedTerms_;  // as the shop had them when the boxes were filled
};

}  // namespace mqt
