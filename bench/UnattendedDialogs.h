// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Dialogs.h"

#include <QStringList>
#include <QTextStream>

namespace mqt {

// Message boxes for a run with nobody at the keyboard: every question is
// answered No, every choice and Retry box cancelled, and an error box is
// printed.
class UnattendedDialogs final : public Dialogs {
public:
    int AskYesNo(const QString&) override { return No; }
    void ShowError(const QString& message) override { QTextStream(stderr) << "error box: " << message << '\n'; }
    void ShowMessage(const QString&) override {}
    using Dialogs::InputBox;
    QString InputBox(const QString&, const QString&) override { return {}; }
    int ChooseFromList(const QString&, const QStringList&) override { return -1; }
    bool AskRetry(const QString& message) override
    {
        ShowError(message);
        return false;
    }
};

}  // namespace mqt
