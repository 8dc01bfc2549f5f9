// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/TitleRow.h"

#include "shell/NamedControl.h"
#include "shell/Twips.h"

#include <QHBoxLayout>
#include <QLabel>

namespace mqt {

QHBoxLayout* TitleRow(QWidget* menuButton, const QString& title, QWidget* messageLine)
{
    auto* label = Named(new QLabel(title), QStringLiteral("Label1"), QFont(QStringLiteral("Georgia"), 18, QFont::Bold));
    auto* row = new QHBoxLayout;
    row->addWidget(menuButton);
    row->addSpacing(TwipsToPixels(480));
    row->addWidget(label);
    row->addSpacing(TwipsToPixels(480));
    row->addWidget(messageLine, 1);
    return row;
}

}  // namespace mqt
