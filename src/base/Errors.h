// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <exception>
#include <string>

namespace zp {

/// An error the user sees: the message text is shown by the command that
/// started the work.
class EZpError : public std::exception {
public:
    explicit EZpError(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toStdString()) {}
    [[nodiscard]] const QString& Message() const { return FMessage; }
    [[nodiscard]] const char* what() const noexcept override { return FUtf8.c_str(); }

private:
    QString FMessage;
    std::string FUtf8;
};

/// Malformed or truncated binary data ("Stream read error", "Invalid property value").
class EZpReadError : public EZpError {
public:
    using EZpError::EZpError;
};

/// A file that cannot be opened, created or replaced.
class EZpFileError : public EZpError {
public:
    using EZpError::EZpError;
};

/// The user cancelled: travels up silently and no caller reports it.
class EZpAbort : public std::exception {
public:
    [[nodiscard]] const char* what() const noexcept override { return "Operation aborted"; }
};

} // namespace zp
