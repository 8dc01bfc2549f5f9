// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QHBoxLayout;
class QWidget;

namespace mqt {

// The top row of the counter's and the end of term's windows: the Menu
// button, the title ("Label1", Georgia 18 bold) and the message line, which
// takes the rest of the row.
QHBoxLayout* TitleRow(QWidget* menuButton, const QString& title, QWidget* messageLine);

}  // namespace mqt
