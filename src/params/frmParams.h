// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// The parameters screen: shows the shop's settings and writes them back to
// the params row and to Settings. It has no way back to the menu; it closes
// itself after Update, or is closed through its window.
class frmParams final : public QWidget {
    Q_OBJECT
public:
    explicit frmParams(SharedValues& shared);

    // Fills the boxes from Settings.
    void Form_Load();
    // Stores the boxes in Settings and in the params row, then closes the
    // screen. A commission that cannot be stored is refused first.
    void cmdUpdate_Click();

private:
    void SetTabOrder();
    // The shop's name and address, which head statements and tags
    // (frmParamsShop.cpp).
    void AddShopBoxes(QGridLayout& layout, int row);
    void FillShopBoxes();
    void TakeShopBoxes(Recordset& params) const;

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
};

}  // namespace mqt
