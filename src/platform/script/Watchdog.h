// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>

namespace zp {

/// Why the watchdog stops a call.
enum class TZpScriptStop : uint8_t { TimeUp, OutOfMemory };

/// How much a script call may grow the process before it is ended: no
/// engine caps its heap, and a doubling text takes gigabytes within the
/// time limit.
inline constexpr int64_t kScriptMemoryLimit = int64_t{256} << 20;

/// Ends runaway script code. Before running code an engine arms the watchdog
/// with its time limit and an action (it stops the engine); after the code
/// returns it disarms it. While code runs the watchdog also looks at the
/// process's resident memory every few milliseconds and stops the code once
/// it has grown by more than kScriptMemoryLimit since the call began. One
/// thread serves every engine, and arming costs no thread switch in a run of
/// calls, so short calls stay cheap.
class TZpScriptWatchdog {
public:
    using TAction = void (*)(void* context, TZpScriptStop why);

    /// The action runs once on the watchdog's thread when the time is up or
    /// the memory limit passed and the token has not been disarmed; it must
    /// be quick and thread-safe.
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
