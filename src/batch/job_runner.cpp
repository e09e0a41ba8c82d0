#include "batch/job_runner.h"

#include <algorithm>
#include <mutex>
#include <thread>
#include <vector>

namespace tavoro {

int RunJobs(int count, int jobs, const std::function<void(int index)>& work,
            const std::function<void(int finished)>& done, const std::atomic<bool>* cancel) {
  if (count <= 0) return 0;
  const int threads = std::clamp(jobs, 1, count);
  std::atomic<int> next{0};
  std::mutex doneMutex;
  int finished = 0;

  const auto worker = [&] {
    for (;;) {
      if (cancel != nullptr && cancel->load()) return;
      const int index = next.fetch_add(1);
      if (index >= count) return;
      work(index);
      const std::lock_guard lock(doneMutex);
      ++finished;
      if (done) done(finished);
    }
  };

  std::vector<std::jthread> pool;
  pool.reserve(static_cast<std::size_t>(threads - 1));
  for (int t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  pool.clear();
  return finished;
}

int DefaultJobCount() {
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxBatchJobs);
}

}  // namespace tavoro
