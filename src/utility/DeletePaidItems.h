// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace mqt {

class Clock;
class Connection;
class DataControl;
class Dialogs;

// Makes the safety copy before the paid items go; false when none was made.
using SafetyCopyMaker = std::function<bool()>;

// Menu entry "Delete Paid Items": asks for a date and, after the user
// confirms and a safety copy is made (none made, nothing deleted), deletes
// every item that has a date sold and a date paid before that date, all
// together or none, and tells how many went. The items are read and deleted
// through `items`, a record source on `connection`'s database; its record
// source is the selection of paid items afterwards. Exactly the items
// counted in the question go; when they changed meanwhile, it asks again,
// and the one safety copy made stands. Throws StoreError when the database
// fails; nothing is deleted then.
void DeletePaidItems(Connection& connection, DataControl& items, Dialogs& dialogs, const Clock& clock,
                     const SafetyCopyMaker& makeSafetyCopy);

}  // namespace mqt
