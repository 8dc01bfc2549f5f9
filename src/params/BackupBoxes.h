// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <optional>

namespace mqt {

// The backup location as the parameters screen edits it: a drive box and
// four folder boxes. The stored form is the drive letter, ":\", then each
// folder level followed by "\", for example d:\shop\data\ .
struct BackupBoxes {
    static constexpr int FolderCount = 4;
    QString drive;
    std::array<QString, FolderCount> folders;
};

// The location built from the boxes: the drive text when the box is filled,
// else "c"; then ":\"; then the folders in order, each without its
// backslashes and followed by one, up to the first box that is not filled.
// A box counts as filled when it sorts after a single blank.
QString BuildBackup(const BackupBoxes& boxes);

// The first folder box holding a comma, counted from 0; empty when none
// does. The location's folder levels are read back as a comma list, so a
// comma in a name would become two levels at the next load (and the next
// Update would store those).
std::optional<int> FolderWithComma(const BackupBoxes& boxes);

// The boxes for a stored location: its first character as the drive, and
// its folder levels split as a comma list once the backslashes have become
// commas (so a folder name holding a comma shows as two levels).
BackupBoxes SplitBackup(const QString& backup);

}  // namespace mqt
