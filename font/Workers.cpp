#include "font/Workers.h"

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <sched.h>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Threads kept for the whole process. The C library gives each thread a memory arena of its
// own; a thread started per call would leave what its worker freed behind in an arena no later
// thread may take, while a kept thread draws the next generation's glyphs in that same memory.
class TKeptThreads {
public:
    ~TKeptThreads()
    {
        {
            const std::lock_guard lock(FLock);
            FStop = true;
        }
        FWake.notify_all();
        for (std::thread& thread : FThreads)
            thread.join();
    }

    // One call at a time has the threads: the lock owns nothing while another call (or a task
    // of it) has them.
    std::unique_lock<std::mutex> Claim() { return std::unique_lock(FCall, std::try_to_lock); }

    // Runs Task(1..Workers-1) on kept threads, starting those missing; returns the first worker
    // no thread could be started for.
    int Start(int workers, const std::function<void(int worker)>& task)
    {
        while (static_cast<int>(FThreads.size()) + 1 < workers) {
            try {
                FThreads.emplace_back(&TKeptThreads::Loop, this, static_cast<int>(FThreads.size()) + 1);
            } catch (const std::system_error&) {
                break;
            }
        }
        const int started = std::min(workers, static_cast<int>(FThreads.size()) + 1);
        if (started > 1) {
            const std::lock_guard lock(FLock);
            FTask = &task;
            FWorkers = started;
            FRunning = started - 1;
            ++FRound;
        }
        FWake.notify_all();
        return started;
    }

    void Wait()
    {
        std::unique_lock lock(FLock);
        FDone.wait(lock, [this] { return FRunning == 0; });
        FTask = nullptr;
    }

private:
    void Loop(int worker)
    {
        uint64_t served = 0;
        std::unique_lock lock(FLock);
        for (;;) {
            FWake.wait(lock, [&] { return FStop || (FRound != served && worker < FWorkers); });
            if (FStop)
                return;
            served = FRound;
            const std::function<void(int)>& task = *FTask;
            lock.unlock();
            task(worker);
            lock.lock();
            if (--FRunning == 0)
                FDone.notify_all();
        }
    }

    std::mutex FCall;
    std::mutex FLock;
    std::condition_variable FWake;
    std::condition_variable FDone;
    std::vector<std::thread> FThreads; // the thread of worker k + 1
    const std::function<void(int)>* FTask = nullptr;
    int FWorkers = 0;
    int FRunning = 0;
    uint64_t FRound = 0;
    bool FStop = false;
};

} // namespace

int AvailableCores()
{
    // The affinity mask, not the machine's count: a container or taskset may allow fewer.
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof(set), &set) == 0 && CPU_COUNT(&set) > 0)
        return CPU_COUNT(&set);
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

void RunOnWorkers(int workers, const std::function<void(int worker)>& task)
{
    std::vector<std::exception_ptr> errors(static_cast<size_t>(std::max(workers, 1)));
    const std::function<void(int)> run = [&](int worker) {
        try {
            task(worker);
        } catch (...) {
            errors[static_cast<size_t>(worker)] = std::current_exception();
        }
    };
    static TKeptThreads threads;
    // The thread that has the kept threads must not claim them again: locking a mutex twice
    // from one thread is undefined.
    static thread_local bool holdsThreads = false;
    std::unique_lock<std::mutex> call;
    if (!holdsThreads)
        call = threads.Claim();
    // A call made while another is served runs every worker on the calling thread.
    const int started = call.owns_lock() && workers > 1 ? threads.Start(workers, run) : 1;
    holdsThreads = call.owns_lock() || holdsThreads;
    run(0);
    for (int worker = started; worker < workers; ++worker)
        run(worker);
    if (started > 1)
        threads.Wait();
    if (call.owns_lock())
        holdsThreads = false;
    for (const std::exception_ptr& error : errors)
        if (error)
            std::rethrow_exception(error);
}

void RunOnShares(int workers, int count, int minimumShare, const std::function<void(int first, int end)>& task,
                 int step)
{
    const int parts = std::clamp(count / std::max(minimumShare, 1), 1, std::max(workers, 1));
    step = std::max(step, 1);
    const int share = ((count + parts - 1) / parts + step - 1) / step * step;
    RunOnWorkers(parts, [&](int part) {
        const int first = std::min(count, part * share);
        task(first, std::min(count, first + share));
    });
}
