#include "shell/Screens.h"

namespace mqt {

QWidget* CreateScreen(Screen screen, SharedValues& shared, frmMenu& menu)
{
    (void)shared;
    (void)menu;
    switch (screen) {
    case Screen::Params:
    case Screen::Consignor:
    case Screen::Item:
    case Screen::Report:
        break;
    }
    return nullptr;
}

}  // namespace mqt
