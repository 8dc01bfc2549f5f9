// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Screens.h"

#include "checkout/frmCheckout.h"
#include "consignor/frmConsignor.h"
#include "item/frmItem.h"
#include "params/frmParams.h"
#include "report/frmReport.h"
#include "shell/OneLineBoxes.h"
#include "terms/frmTerms.h"

namespace mqt {

namespace {

QWidget* NewScreen(Screen screen, SharedValues& shared, ScreenNavigator& navigator)
{
    switch (screen) {
    case Screen::Params:
        return new frmParams(shared);
    case Screen::Consignor:
        return new frmConsignor(shared, navigator);
    case Screen::Item:
        return new frmItem(shared, navigator);
    case Screen::Report:
        return new frmReport(shared, navigator);
    case Screen::Checkout:
        return new frmCheckout(shared, navigator);
    case Screen::Terms:
        return new frmTerms(shared, navigator);
    }
    return nullptr;
}

}  // namespace

QWidget* CreateScreen(Screen screen, SharedValues& shared, ScreenNavigator& navigator)
{
    QWidget* window = NewScreen(screen, shared, navigator);
    if (window) KeepBoxesOnOneLine(*window);
    return window;
}

}  // namespace mqt
