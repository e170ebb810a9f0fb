#include "HelperThread.hpp"

#include <utility>

namespace cli {

HelperThread::HelperThread() : thread_([this] { Run(); }) {}

HelperThread::~HelperThread() {
    stopping_ = true;
    started_.release();
    // thread_ joins as it is destroyed.
}

void HelperThread::Start(std::function<void()> job) {
    job_ = std::move(job);
    started_.release();
}

void HelperThread::Wait() {
    done_.acquire();
}

void HelperThread::Run() {
    for (;;) {
        started_.acquire();
        if (stopping_)
            return;
        job_();
        done_.release();
    }
}

}  // namespace cli
