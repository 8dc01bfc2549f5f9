#pragma once

#include "common/ItemColumns.h"

namespace mqt {

class Recordset;

// The current item record's twelve column values as the report shows them:
// empty text for a missing value, prices in the money format, dates in the
// short date form, other values as stored.
ItemColumnValues ReadItemColumns(Recordset& items, const ItemColumnTable& columns);

}  // namespace mqt
