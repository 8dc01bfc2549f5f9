#include "shell/Screens.h"

#include "params/frmParams.h"

namespace mqt {

QWidget* CreateScreen(Screen screen, SharedValues& shared, frmMenu& menu)
{
    (void)menu;
    switch (screen) {
    case Screen::Params:
        return new frmParams(shared);
    case Screen::Consignor:
    case Screen::Item:
    case Screen::Report:
        break;
    }
    return nullptr;
}

}  // namespace mqt
