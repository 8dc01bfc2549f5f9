// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace mqt {

class SharedValues;

// Menu entry "Delete Paid Items": asks for a date and, after the user
// confirms and a safety copy is made (none made, nothing deleted), deletes
// every item that has a date sold and a date paid before that date, all
// together or none, and tells how many went. Exactly the items counted in
// the question go; when they changed meanwhile, it asks again. Throws StoreError when the
// database fails; nothing is deleted then.
void DeletePaidItems(SharedValues& shared);

}  // namespace mqt
