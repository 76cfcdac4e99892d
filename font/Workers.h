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

// Runs Task(first, end) for contiguous shares of the items 0..Count-1, one share per worker and
// at least MinimumShare items in each (a single share when there are fewer), in the order of
// the workers; every share but the last is a multiple of Step items. Returns once every share
// is done.
void RunOnShares(int workers, int count, int minimumShare, const std::function<void(int first, int end)>& task,
                 int step = 1);
