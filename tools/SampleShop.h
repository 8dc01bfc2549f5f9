#pragma once

namespace mqt {

class Connection;

// Fills an empty shop database with made-up consignors and their items, the
// same every time: some items in stock, some sold, some sold and paid, and a
// few consignors renting space. For benchmarks and for trying the program.
void FillSampleShop(Connection& connection, int consignors, int items);

}  // namespace mqt
