#include "app/Screens.h"

#include "consignor/frmConsignor.h"
#include "params/frmParams.h"
#include "report/frmReport.h"

namespace mqt {

QWidget* CreateScreen(Screen screen, SharedValues& shared, ScreenNavigator& navigator)
{
    switch (screen) {
    case Screen::Params:
        return new frmParams(shared);
    case Screen::Consignor:
        return new frmConsignor(shared, navigator);
    case Screen::Report:
        return new frmReport(shared, navigator);
    case Screen::Item:
        break;
    }
    return nullptr;
}

}  // namespace mqt
