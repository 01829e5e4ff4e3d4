// SPDX-License-Identifier: MIT
#include "platform/script/Watchdog.h"

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

namespace zp {

namespace {

using TClock = std::chrono::steady_clock;

// Often enough that a text doubling past the limit is caught before its
// next doubling: each step copies what it has, which takes longer than this.
constexpr std::chrono::milliseconds kMemoryPoll{4};

struct TArmed {
    uint64_t Token;
    TClock::time_point Deadline;
    TZpScriptWatchdog::TAction Action;
    void* Context;
    int64_t Baseline; // resident bytes when the watchdog first saw the call; -1 before
};

// Resident bytes of the process, -1 when unknown.
int64_t ResidentBytes() {
    static const long pageSize = sysconf(_SC_PAGESIZE);
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    if (!file)
        return -1;
    long size = 0, resident = 0;
    const bool ok = std::fscanf(file, "%ld %ld", &size, &resident) == 2;
    std::fclose(file);
    return ok ? int64_t(resident) * pageSize : -1;
}

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
            FArmed.push_back({token, deadline, action, context, -1});
            // The thread sleeps until its next look at memory while calls are
            // armed and for good when none is: only then does it need waking.
            // Calls in a row therefore cost no thread switch.
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
            const int64_t resident = FArmed.empty() ? -1 : ResidentBytes();
            // Actions run under the lock, so that none runs after Disarm returned.
            for (auto it = FArmed.begin(); it != FArmed.end();) {
                if (it->Baseline < 0)
                    it->Baseline = resident;
                const bool timeUp = it->Deadline <= now;
                if (timeUp || (resident >= 0 && resident - it->Baseline > kScriptMemoryLimit)) {
                    it->Action(it->Context, timeUp ? TZpScriptStop::TimeUp : TZpScriptStop::OutOfMemory);
                    it = FArmed.erase(it);
                } else {
                    next = std::min({next, it->Deadline, now + kMemoryPoll});
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
