#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the pictures of the shop owner's guide (docs/guide.md) anew: builds the
# program, fills a small sample shop, runs the program under Xvfb on the
# guide's day (14 March 2025), opens every screen in the state the guide
# describes and writes the PNG files into docs/guide/. Run it after a screen
# changes; it is not part of the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t packages < scripts/packages.list
scripts/packages.sh "${packages[@]}" xvfb xauth
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target mqt-screenshots mqt-createdb mqt-helpers

shop=/tmp/mqguide/shop
out=docs/guide
rm -rf /tmp/mqguide
mkdir -p "$shop" "$out"
cp build/program/Makedir.sh build/program/backup.sh "$shop/"
build/program/mqt-createdb "$shop/Marquill.mqt"

# The sample shop: its name and address, commission 30 %, rounding to 25
# cents, sales tax 8.875 %, a backup folder in the sample's own temporary
# folder; a few consignors, one renting booth 4 and one whose rent clause
# cannot be read; their items in stock, sold, and paid.
sqlite3 "$shop/Marquill.mqt" <<'SQL'
INSERT INTO params (Commission, Rounding, PriceOverride, Backup, ShopName, ShopAddress, TaxRate)
  VALUES (30, 0.25, 0, 'c:\tmp\mqguide\backup\', 'Second Chances',
          '210 Main Street' || char(10) || 'Springfield, IL 62701', 8.875);
INSERT INTO consignor (LastName, FirstName, Phone, Email, Street, City, State, Zip, Notes) VALUES
  ('Baker', 'Al', '555-0101', 'al.baker@example.com', '12 Elm St', 'Springfield', 'IL', '62701',
   'Booth 7 $Rent=(amount=abc,due=03/01/2025)'),
  ('Carter', 'Joan', '555-0102', 'joan@example.com', '4 Oak Ave', 'Springfield', 'IL', '62702',
   'Booth 4 $Rent=(amount=45,due=03/01/2025,interval=1) pays by cheque'),
  ('Delgado', 'Maria', '555-0103', 'maria.d@example.com', '88 River Rd', 'Chatham', 'IL', '62629', NULL),
  ('Evans', 'Tom', '555-0104', NULL, '3 Mill Ln', 'Rochester', 'IL', '62563', 'Brings furniture on Mondays'),
  ('O''Brien', 'Zoë', '555-0105', 'zoe@example.com', '27 Lake Dr', 'Springfield', 'IL', '62704', NULL);
INSERT INTO item (LastName, FirstName, ItemDesc, Category, Subcategory, CostPrice, SalePrice,
                  DateAdded, DateSold, DatePaid, PayRef, Notes) VALUES
  ('Carter', 'Joan', 'Oak side table', 'furniture', 'tables', 42.00, 60.00, '2025-01-10', '2025-02-03', NULL, NULL, NULL),
  ('Carter', 'Joan', 'Oak rocking chair', 'furniture', 'chairs', 70.00, 100.00, '2025-01-10', NULL, NULL, NULL, NULL),
  ('Carter', 'Joan', 'Pine dresser', 'furniture', 'dressers', 84.00, 120.00, '2025-01-25', '2025-03-10', NULL, NULL, NULL),
  ('Carter', 'Joan', 'Blue glass vase', 'glassware', 'vases', 12.25, 17.50, '2025-02-01', '2025-02-20', NULL, NULL, NULL),
  ('Carter', 'Joan', 'Pink glass vase', 'glassware', 'vases', 12.25, 17.50, '2025-02-01', NULL, NULL, NULL, NULL),
  ('Carter', 'Joan', 'Quilt, double bed', 'linen', 'quilts', 31.50, 45.00, '2024-11-05', '2024-12-10', '2025-01-02', 'ck 1001', NULL),
  ('Delgado', 'Maria', 'Pine bookcase', 'furniture', 'shelves', 56.00, 80.00, '2025-02-14', NULL, NULL, NULL, NULL),
  ('Delgado', 'Maria', 'Oak dining table', 'furniture', 'tables', 175.00, 250.00, '2024-10-01', '2024-11-23', '2024-12-01', 'ck 0988', NULL),
  ('Delgado', 'Maria', 'Silver teapot', 'kitchen', 'tea', 24.50, 35.00, '2025-03-01', '2025-03-08', NULL, NULL, NULL),
  ('Evans', 'Tom', 'Walnut desk', 'furniture', 'desks', 140.00, 200.00, '2025-01-20', NULL, NULL, NULL, NULL),
  ('Evans', 'Tom', 'Oak chair, set of 4', 'furniture', 'chairs', 168.00, 240.00, '2024-09-15', '2024-10-02', '2024-11-01', 'ck 0950', NULL),
  ('Evans', 'Tom', 'Mantel clock', 'decor', 'clocks', 35.00, 50.00, '2025-02-25', NULL, NULL, NULL, NULL),
  ('O''Brien', 'Zoë', 'Wool coat', 'clothing', 'coats', 28.00, 40.00, '2025-03-03', '2025-03-12', NULL, NULL, NULL),
  ('O''Brien', 'Zoë', 'Leather boots', 'clothing', 'shoes', 21.00, 30.00, '2025-03-03', NULL, NULL, NULL, NULL);
SQL

xvfb-run -a -s "-screen 0 1680x1050x24" build/tools/mqt-screenshots "$shop" "$out"

# The statement written for Carter, as a picture of its first page.
statement=$(ls -t "$shop"/statements/*.pdf | head -n 1)
pdftoppm -png -r 60 -singlefile -x 0 -y 0 -W 520 -H 300 "$statement" "$out/statement"
# The first page of the tag sheet saved from the item screen, and the
# receipt of the sale rung up at the counter.
tags=$(ls -t "$shop"/tags/*.pdf | head -n 1)
pdftoppm -png -r 60 -singlefile "$tags" "$out/tags-sheet"
receipt="$shop/receipts/sale-000001.pdf"
pdftoppm -png -r 100 -singlefile "$receipt" "$out/receipt"
echo "Pictures written to $out/"
