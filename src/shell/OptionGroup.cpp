// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OptionGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace mqt {

void SetOptionsOff(QButtonGroup& options)
{
    options.setExclusive(false);
    for (QAbstractButton* option : options.buttons()) option->setChecked(false);
    options.setExclusive(true);
}

}  // namespace mqt
