// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mqt {

class Connection;
class Dialogs;

// Refuses a restore while another till is connected to the shop, naming the
// others in the error box; returns whether it refused. A till that has just
// been closed is waited for a moment. A shop file has no other tills.
bool RefuseWhileOtherTills(const Connection& connection, Dialogs& dialogs);

}  // namespace mqt
