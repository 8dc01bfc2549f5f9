// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "consignment/EndOfTerm.h"

#include <QWidget>
#include <functional>
#include <vector>

class QPushButton;
class QSpinBox;

namespace mqt {

class Grid;
class MessageLine;
class ScreenNavigator;
class SharedValues;

// The End of Term screen: the items whose term is over, by consignor with
// the action each agreed to, and those whose term ends within a number of
// days. Rows chosen by clicking them are returned, donated or kept as the
// shop's stock in one transaction; the pick-up list of a consignor and the
// day's donation list are written as PDFs in the shop folder.
class frmTerms final : public QWidget {
    Q_OBJECT
public:
    frmTerms(SharedValues& shared, ScreenNavigator& navigator);

    // Reads the items again and lists them, none chosen.
    void ReadList();
    void Grid_Click();
    void cmdReturned_Click() { Apply(EndOfTermAction::ReturnToConsignor); }
    void cmdDonated_Click() { Apply(EndOfTermAction::Donate); }
    void cmdShopStock_Click() { Apply(EndOfTermAction::ShopStock); }
    void cmdPickupList_Click();
    void cmdDonationList_Click();

private:
    void BuildLayout();
    void ConnectControls();
    void ShowList();
    // The chosen rows' items, in the list's order.
    std::vector<TermItem> ChosenItems() const;
    // Asks, then does the action to the chosen items and reads the list again.
    void Apply(EndOfTermAction action);
    // Runs one action of the screen, a database failure shown in the error box.
    void Handle(const std::function<void()>& routine);

    SharedValues& shared_;
    ScreenNavigator& navigator_;
    std::vector<TermItem> items_;  // row r + 1 shows items_[r]
    std::vector<bool> chosen_;
    Grid* Grid_ = nullptr;
    MessageLine* lblMessage_ = nullptr;
    QSpinBox* txtWithinDays_ = nullptr;
    QPushButton* cmdReturned_ = nullptr;
    QPushButton* cmdDonated_ = nullptr;
    QPushButton* cmdShopStock_ = nullptr;
    QPushButton* cmdPickupList_ = nullptr;
    QPushButton* cmdDonationList_ = nullptr;
    QPushButton* cmdMenu_ = nullptr;
};

}  // namespace mqt
