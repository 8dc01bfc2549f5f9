// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "checkout/CounterLine.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mqt {

class Grid;
class MessageLine;
class ScreenNavigator;
class SharedValues;
struct SaleSums;
struct ShopIdentity;

// The checkout counter: items are scanned by number onto one sale, priced,
// taxed and paid for, and the sale is completed in one transaction with a
// receipt. Returns, reprints and the day's takings are reached from here.
class frmCheckout final : public QWidget {
    Q_OBJECT
public:
    frmCheckout(SharedValues& shared, ScreenNavigator& navigator);

    // A number was scanned or typed, then Enter.
    void txtScan_Enter();
    void Grid_Click();
    void cmdLinePrice_Click();
    void cmdRemoveLine_Click();
    void cmdAddPayment_Click();
    // Enter in the amount box: the amount is taken, or with the box empty
    // and the sale covered, the sale is completed.
    void txtPayAmount_Enter();
    void cmdClearPayments_Click();
    void cmdComplete_Click();
    void cmdCancelSale_Click();
    void cmdReceipt_Click();
    void cmdReprint_Click();
    void cmdReturn_Click();
    void cmdTakings_Click();

protected:
    // An open sale is not thrown away without asking.
    void closeEvent(QCloseEvent* event) override;
    // Back at the counter, the scan box has the focus.
    void changeEvent(QEvent* event) override;

private:
    void BuildLayout();
    QWidget* BuildPaymentFrame();
    QWidget* BuildSideButtons();
    void ConnectControls();
    // Tab goes from the scan box to the payment, then the sale's buttons,
    // then the lines and the counter's buttons.
    void SetTabOrder();
    // Runs an action of the counter and gives the focus back to the scan
    // box: a scanner types into whatever has it.
    void Handle(const std::function<void()>& routine);

    // The rate the open sale is taxed at: the shop's rate when its first
    // line was scanned, so that a rate changed meanwhile leaves it covered.
    int SaleTaxRate() const;
    // Asks whether to throw away the open sale; true when there is none.
    bool MayDiscardSale(const QString& question);
    // Asks for the line's new price, starting from its present one; a price
    // refused is named on the message line.
    enum class PriceAnswer { Changed, Cancelled, Refused };
    PriceAnswer AskLinePrice(CounterLine& line, const QString& prompt);
    // Asks for the price of every line that has none; false when one is
    // still without.
    bool PriceEveryLine();

    SaleSums Sums() const;
    // Shows the lines and the sums.
    void ShowSale();
    // Shows the line on its grid row (1 and on), yellow when it is selected.
    void ShowLine(int row);
    // Shows the sums, the payments and the change, and enables Complete when
    // the payments cover the total.
    void ShowSums();
    void EmptySale();
    // The line the cashier selected; null when none is.
    CounterLine* SelectedLine();
    ShopIdentity Heading() const;
    // Writes the shop's copy of the receipt of a sale already written; the
    // reason when it failed, a database failure too.
    QString WriteReceipt(std::int64_t saleNo);
    // Prints a receipt through the print dialog; the reason when it failed,
    // empty when it was printed or the cashier cancelled.
    QString PrintReceipt(std::int64_t saleNo);

    SharedValues& shared_;
    ScreenNavigator& navigator_;
    std::vector<CounterLine> lines_;
    std::vector<Payment> payments_;
    int selectedRow_ = 0;  // grid row of the selected line; 0 for none
    std::int64_t lastSaleNo_ = 0;
    std::optional<int> saleTaxRate_;

    QLineEdit* txtScan_;
    Grid* Grid_;
    MessageLine* lblMessage_;
    QLabel* lblSubtotal_;
    QLabel* lblTaxCaption_;
    QLabel* lblTax_;
    QLabel* lblTotal_;
    QListWidget* lstPayments_;
    QLabel* lblDue_;
    QLabel* lblChange_;
    QComboBox* cboPayKind_;
    QLineEdit* txtPayAmount_;
    QPushButton* cmdAddPayment_;
    QPushButton* cmdClearPayments_;
    QPushButton* cmdLinePrice_;
    QPushButton* cmdRemoveLine_;
    QPushButton* cmdComplete_;
    QPushButton* cmdCancelSale_;
    QPushButton* cmdReceipt_;
    QPushButton* cmdReprint_;
    QPushButton* cmdReturn_;
    QPushButton* cmdTakings_;
    QPushButton* cmdMenu_;
};

}  // namespace mqt
