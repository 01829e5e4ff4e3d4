// SPDX-License-Identifier: MIT
#include "platform/script/Watchdog.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace zp {

namespace {

using TClock = std::chrono::steady_clock;

struct TArmed {
    uint64_t Token;
    TClock::time_point Deadline;
    TZpScriptWatchdog::TAction Action;
    void* Context;
};

class TWatchdogThread {
public:
    TWatchdogThread() : FThread([this] { Loop(); }) {}
    ~TWatchdogThread() {
        {
            std::lock_guard lock(FMutex);
            FStop = true;
        }
        FWake.notify_one();
        FThread.join();
    }

    uint64_t Arm(std::chrono::milliseconds limit, TZpScriptWatchdog::TAction action, void* context) {
        const TClock::time_point deadline = TClock::now() + limit;
        bool wake = false;
        uint64_t token;
        {
            std::lock_guard lock(FMutex);
            token = ++FLastToken;
            FArmed.push_back({token, deadline, action, context});
            // The thread sleeps until its earliest deadline; only an earlier one
            // needs to wake it. Calls in a row therefore cost no thread switch.
            wake = deadline < FSleepingUntil;
        }
        if (wake)
            FWake.notify_one();
        return token;
    }

    void Disarm(uint64_t token) {
        std::lock_guard lock(FMutex);
        auto it =
            std::find_if(FArmed.begin(), FArmed.end(), [token](const TArmed& a) { return a.Token == token; });
        if (it != FArmed.end())
            FArmed.erase(it);
    }

private:
    void Loop() {
        std::unique_lock lock(FMutex);
        while (!FStop) {
            const TClock::time_point now = TClock::now();
            TClock::time_point next = TClock::time_point::max();
            // Actions run under the lock, so that none runs after Disarm returned.
            for (auto it = FArmed.begin(); it != FArmed.end();) {
                if (it->Deadline <= now) {
                    it->Action(it->Context);
                    it = FArmed.erase(it);
                } else {
                    next = std::min(next, it->Deadline);
                    ++it;
                }
            }
            FSleepingUntil = next;
            if (next == TClock::time_point::max())
                FWake.wait(lock);
            else
                FWake.wait_until(lock, next);
        }
    }

    std::mutex FMutex;
    std::condition_variable FWake;
    std::vector<TArmed> FArmed;
    TClock::time_point FSleepingUntil = TClock::time_point::min();
    uint64_t FLastToken = 0;
    bool FStop = false;
    std::thread FThread;
};

TWatchdogThread& Watchdog() {
    static TWatchdogThread thread;
    return thread;
}

} // namespace

uint64_t TZpScriptWatchdog::Arm(std::chrono::milliseconds limit, TAction action, void* context) {
    return Watchdog().Arm(limit, action, context);
}

void TZpScriptWatchdog::Disarm(uint64_t token) {
    Watchdog().Disarm(token);
}

} // namespace zp
