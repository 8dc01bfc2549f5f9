// SPDX-License-Identifier: GPL-3.0-or-later
// The "Statement" button beside "Menu": a statement for the consignor whose
// items are listed, of a pay-out or of what is owed now.

#include "item/frmItem.h"

#include "shell/MessageLine.h"
#include "shell/SharedValues.h"
#include "documents/MakeStatement.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace mqt {

void frmItem::AddStatementButton()
{
    cmdStatement_ = new QPushButton(QStringLiteral("Statement"));
    cmdStatement_->setObjectName(QStringLiteral("cmdStatement"));
    cmdStatement_->setFont(cmdMenu_->font());
    titleRow_->insertWidget(1, cmdStatement_);
    connect(cmdStatement_, &QPushButton::clicked, this, [this] { Handle([this] { cmdStatement_Click(); }); });
}

void frmItem::cmdStatement_Click()
{
    QString message;
    switch (MakeStatement(shared_.database, shared_.dialogs, shared_.clock, shared_.ItemColumns, shared_.ProgramFolder,
                          ListedLastName_, ListedFirstName_, message)) {
    case StatementOutcome::Written:
        lblMessage_->ShowSuccess(message);
        break;
    case StatementOutcome::Failed:
        lblMessage_->ShowFailure(message);
        break;
    case StatementOutcome::Cancelled:
        break;
    }
}

}  // namespace mqt
