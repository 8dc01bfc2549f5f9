// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace mqt {

// The shop folder: where a shop keeps its database "Marquill.mqt", the helper
// commands of backup and restore, print files and safety copies.
struct ShopFolderChoice {
    QString folder;     // absolute; empty when the arguments are wrong or ask for help
    QString error;      // what is wrong with the arguments, for the user
    bool help = false;  // -h or --help: the usage is printed, and nothing else is done
};

// How the program and the launcher are started, for -h and --help.
QString ShopFolderUsage();

// Chooses the shop folder from the command-line arguments (without the
// program's name) and the executable's folder:
//   -h or --help                         none: the usage is asked for;
//   --shop DIR (or --shop=DIR)           DIR;
//   else the executable's folder when it holds a shop (FolderHoldsShop), so a program
//   built and run in its own folder keeps its shop beside it;
//   else the user's data folder for the application (~/.local/share/Marquill).
ShopFolderChoice ChooseShopFolder(const QStringList& arguments, const QString& executableFolder);

}  // namespace mqt
