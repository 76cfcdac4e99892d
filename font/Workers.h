#pragma once
// Work spread over threads for one call: the calling thread is worker 0, the others run on
// threads kept for the process, and the call returns once every worker has ended.

#include <functional>

// The cores this process may run on; at least 1.
int AvailableCores();

// Runs Task(worker) for every worker 0..Workers-1 at once, worker 0 on the calling thread; a
// worker the system cannot start a thread for runs on the calling thread after it, and so does
// every worker of a call made while another call's workers run. The exception of the
// lowest-numbered worker that threw is thrown again once all have ended.
void RunOnWorkers(int workers, const std::function<void(int worker)>& task);
