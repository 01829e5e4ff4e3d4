// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>

namespace zp {

/// Ends runaway script code. Before running code an engine arms the watchdog
/// with its time limit and an action (it stops the engine); after the code
/// returns it disarms it. One thread serves every engine, and arming costs no
/// thread switch, so short calls stay cheap.
class TZpScriptWatchdog {
public:
    using TAction = void (*)(void* context);

    /// The action runs once on the watchdog's thread when the time is up and
    /// the token has not been disarmed; it must be quick and thread-safe.
    [[nodiscard]] static uint64_t Arm(std::chrono::milliseconds limit, TAction action, void* context);
    /// After this returns, the action of the token does not run any more.
    static void Disarm(uint64_t token);
};

/// Arms the watchdog for one scope.
class TZpWatchdogScope {
public:
    TZpWatchdogScope(std::chrono::milliseconds limit, TZpScriptWatchdog::TAction action, void* context)
        : FToken(TZpScriptWatchdog::Arm(limit, action, context)) {}
    ~TZpWatchdogScope() { TZpScriptWatchdog::Disarm(FToken); }
    TZpWatchdogScope(const TZpWatchdogScope&) = delete;
    TZpWatchdogScope& operator=(const TZpWatchdogScope&) = delete;

private:
    uint64_t FToken;
};

} // namespace zp
