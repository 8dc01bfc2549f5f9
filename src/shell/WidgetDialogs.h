// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/Dialogs.h"

namespace mqt {

// The message boxes as modal Qt dialogs.
class WidgetDialogs final : public Dialogs {
public:
    int AskYesNo(const QString& prompt) override;
    void ShowError(const QString& message) override;
    void ShowMessage(const QString& message) override;
    using Dialogs::InputBox;
    QString InputBox(const QString& prompt, const QString& initial) override;
    int ChooseFromList(const QString& prompt, const QStringList& choices) override;
    bool AskRetry(const QString& message) override;
};

}  // namespace mqt
