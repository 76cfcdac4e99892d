#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "font/Workers.h"

// The threads outlive each call: a call with another number of workers runs each exactly once,
// a call from inside a task ends, and the lowest worker's error is the one thrown.
TEST(Workers, EveryCallRunsEachWorkerOnceWhateverCameBefore)
{
    for (const int workers : {3, 1, 2, 4, 2}) {
        std::vector<std::atomic<int>> runs(static_cast<size_t>(workers));
        RunOnWorkers(workers, [&](int worker) {
            if (worker == 1)
                RunOnWorkers(2, [&](int inner) { runs[static_cast<size_t>(inner)] += 10; });
            ++runs[static_cast<size_t>(worker)];
        });
        for (int worker = 0; worker < workers; ++worker)
            EXPECT_EQ(runs[static_cast<size_t>(worker)], 1 + (workers > 1 && worker < 2 ? 10 : 0))
                << workers << " workers, worker " << worker;
    }
    EXPECT_THROW(RunOnWorkers(3,
                              [](int worker) {
                                  if (worker == 1)
                                      throw std::range_error("first");
                                  if (worker == 2)
                                      throw std::logic_error("second");
                              }),
                 std::range_error);
}
