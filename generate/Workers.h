#pragma once
// Work spread over threads for one call: the calling thread is worker 0, the others are
// started for the call and joined before it returns.

#include <functional>
#include <memory>
#include <system_error>
#include <thread>

// The cores this process may run on; at least 1.
int AvailableCores();

// Runs Task(worker) for every worker 0..Workers-1 at once, worker 0 on the calling thread; a
// worker the system cannot start a thread for runs on the calling thread after it. The
// exception of the lowest-numbered worker that threw is thrown again once all have ended.
void RunOnWorkers(int workers, const std::function<void(int worker)>& task);

// Destroys Object on a thread of its own, which the returned thread joins; on the calling
// thread at once when no thread can be started.
template <typename T>
std::jthread DestroyAside(std::unique_ptr<T> object)
{
    if (!object)
        return {};
    try {
        return std::jthread([held = std::move(object)]() mutable { held.reset(); });
    } catch (const std::system_error&) {
        return {};
    }
}
