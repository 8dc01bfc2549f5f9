// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace mqt {

// A failure of the database or of a record operation, carrying the text the
// user is shown. The steps after a failing one do not run: the screen that
// started the action catches it and reports it.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

// A change or deletion prepared from an earlier read found its row changed
// or gone since that read: nothing was written.
class RecordChanged : public StoreError {
public:
    RecordChanged()
        : StoreError(QStringLiteral("The record was changed at another till or screen since it was read: "
                                    "nothing was changed. Look it up again."))
    {
    }
};

// A transaction that the server ended because it could not be fitted in
// beside another till's at the same time; running it again can succeed.
class SerializationFailure : public StoreError {
public:
    using StoreError::StoreError;
};

// The connection to the shop's server broke: the server restarted, or the
// network between went down. Nothing of the transaction it broke in was
// kept; the next statement outside a transaction connects again, so the
// action can be run again.
class ServerUnreachable : public StoreError {
public:
    ServerUnreachable() : StoreError(QStringLiteral("The shop's server cannot be reached; retrying")) {}
};

}  // namespace mqt
