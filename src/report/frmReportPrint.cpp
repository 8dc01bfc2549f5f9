// SPDX-License-Identifier: GPL-3.0-or-later
// The report's print file: named by the user, written row by row as the
// grid fills, and put in place when the run ends.

#include "report/frmReport.h"

#include "common/Dialogs.h"
#include "shell/SharedValues.h"

namespace mqt {

void frmReport::StartPrintFile()
{
    const QString answer = shared_.dialogs.InputBox(
        QStringLiteral("Enter print file name\nIf left blank, default anme will be ItemReport"));
    QString problem;
    const std::optional<QString> path = PrintFilePath(shared_.ProgramFolder, answer, problem);
    if (!path) {
        ShowError(problem);
        return;
    }
    printFile_ = std::make_unique<PrintFile>(*path, shared_.ItemColumns);
    if (!printFile_->Problem().isEmpty()) {
        ShowError(printFile_->Problem());
        printFile_.reset();
    }
}

void frmReport::PrintGridRow(const ReportCells& cells) { printFile_->WriteRow(cells); }

void frmReport::EndPrintFile()
{
    const std::unique_ptr<PrintFile> file = std::move(printFile_);
    if (!file->Finish()) ShowError(file->Problem());
}

}  // namespace mqt
