// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;

namespace mqt {

class Clock;
class Connection;
class DataControl;
class Dialogs;

// Charges the rent that has come due, once at start-up before the menu shows.
// Every consignor whose notes hold a rent clause is read in last-name order
// through `consignorSource`, and the rent items are looked up and booked
// through `itemSource`: two record sources on `connection`'s database. The
// current consignor's names are left at the last one read. When the rent is
// due, the clause's due date moves on by one period and an item
// "Rent - " mm/dd/yyyy is booked: minus the amount as cost price, sale price
// 0, added and sold on the day charged, category "$Rent". An item of that
// description that already exists is not booked twice. The pass is stored
// as a whole or not at all: a failure leaves every consignor uncharged. At
// most one period is charged per consignor and start-up, and tills of a
// server shop that start together charge each period once. A consignor
// without names is left alone.
// Consignors whose notes hold "$rent" but no clause that can be read are
// charged nothing and named, one line each, in one message after the pass.
// Throws StoreError when the database fails.
void ChargeRent(Connection& connection, DataControl& consignorSource, DataControl& itemSource, Dialogs& dialogs,
                const Clock& clock, QString& currentLastName, QString& currentFirstName);

}  // namespace mqt
