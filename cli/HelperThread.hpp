#pragma once

// A second thread for work that can run beside the calling thread's own.

#include <functional>
#include <semaphore>
#include <thread>

namespace cli {

// Runs one job at a time on a thread of its own: Start hands it a job, Wait blocks until
// that job is done. Everything the caller wrote before Start is visible to the job, and
// everything the job wrote is visible to the caller after Wait.
class HelperThread {
  public:
    HelperThread();
    ~HelperThread();
    HelperThread(const HelperThread&) = delete;
    HelperThread& operator=(const HelperThread&) = delete;

    // Starts `job`; the previous job must have been waited for.
    void Start(std::function<void()> job);
    void Wait();

  private:
    void Run();

    std::binary_semaphore started_{0};
    std::binary_semaphore done_{0};
    std::function<void()> job_;
    bool stopping_ = false;
    std::jthread thread_;  // last, so that it starts once the members above exist
};

}  // namespace cli
