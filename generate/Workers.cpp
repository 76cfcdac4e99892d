#include "generate/Workers.h"

#include <algorithm>
#include <exception>
#include <sched.h>
#include <system_error>
#include <thread>
#include <vector>

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
    const auto run = [&](int worker) {
        try {
            task(worker);
        } catch (...) {
            errors[static_cast<size_t>(worker)] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(static_cast<size_t>(std::max(workers - 1, 0)));
    int started = 1;
    for (; started < workers; ++started) {
        try {
            threads.emplace_back(run, started);
        } catch (const std::system_error&) {
            break;
        }
    }
    run(0);
    for (int worker = started; worker < workers; ++worker)
        run(worker);
    for (std::thread& thread : threads)
        thread.join();
    for (const std::exception_ptr& error : errors)
        if (error)
            std::rethrow_exception(error);
}
