// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ReportErrors.h"

#include "common/Dialogs.h"
#include "shell/BusyCursor.h"
#include "store/StoreError.h"

#include <chrono>
#include <thread>

namespace mqt {

namespace {

using namespace std::chrono_literals;

constexpr std::chrono::milliseconds RetryPause = 1s;
constexpr std::chrono::milliseconds RetryTimeLimit = 8s;

// Runs the action, and again while the server cannot be reached: at once
// (a connection that broke while the program stood idle is made again by the
// next statement), then after a pause each time, within the time limit.
void RunWhileServerComesBack(const std::function<void()>& action)
{
    const auto started = std::chrono::steady_clock::now();
    for (int retry = 0;; ++retry) {
        try {
            action();
            return;
        } catch (const ServerUnreachable&) {
            if (retry == ServerRetries || std::chrono::steady_clock::now() - started + RetryPause > RetryTimeLimit) throw;
        }
        if (retry > 0) {
            const BusyCursor busy;
            std::this_thread::sleep_for(RetryPause);
        }
    }
}

}  // namespace

bool RunReportingErrors(Dialogs& dialogs, const std::function<void()>& action)
{
    for (;;) {
        try {
            RunWhileServerComesBack(action);
            return true;
        } catch (const ServerUnreachable& error) {
            if (!dialogs.AskRetry(error.Message())) return false;
        } catch (const StoreError& error) {
            dialogs.ShowError(error.Message());
            return false;
        } catch (const std::exception& error) {
            dialogs.ShowError(QString::fromLocal8Bit(error.what()));
            return false;
        }
    }
}

}  // namespace mqt
