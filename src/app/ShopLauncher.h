// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace mqt {

class Dialogs;

// The folder holding the default copies of the helper commands: the installed
// share/marquill beside the executable's bin folder, or, in a build, the
// executable's own folder.
QString DefaultHelperFolder(const QString& executableFolder);

enum class LaunchOutcome {
    Ready,     // the shop folder holds a database: start the program
    Declined,  // the user did not want a new shop; nothing was made
    Failed,    // the shop is open in another program, or the new shop could
               // not be made; the reason was shown
};

// What the desktop launcher does before the program starts. While another
// program has the shop open, that is shown and nothing else is done; the
// shop's lock is held while the shop is prepared and let go before the
// program starts and takes it. A shop folder that holds a shop (the file
// "Marquill.mqt", or "Marquill.server" naming its database on a server) is
// left untouched. Otherwise the user is asked once whether to make an empty
// shop there; on Yes the folder is made, the default helper commands are
// copied beside the database (a copy already there is kept) and an empty
// database is created last, so an interrupted first run is asked again next
// time.
LaunchOutcome PrepareShop(const QString& shopFolder, const QString& helperFolder, Dialogs& dialogs);

}  // namespace mqt
