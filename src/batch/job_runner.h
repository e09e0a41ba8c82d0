#pragma once

#include <atomic>
#include <functional>

namespace tavoro {

// Runs work(0) .. work(count - 1), each exactly once, on up to `jobs`
// threads (at least one, at most count), and returns when all have ended.
// Jobs are started in index order. After each job ends, done(finished) is
// called with the number finished so far, one call at a time. When cancel is
// set, no further job is started; the function returns the number of jobs
// that ran. work must not throw.
int RunJobs(int count, int jobs, const std::function<void(int index)>& work,
            const std::function<void(int finished)>& done, const std::atomic<bool>* cancel);

// Shafts computed at once at most: each holds its pages and PDF in memory.
inline constexpr int kMaxBatchJobs = 16;

// The number of cores, at least 1 and at most kMaxBatchJobs.
int DefaultJobCount();

}  // namespace tavoro
