#pragma once

// The moment a window first reaches the screen, for the start-up benchmark.

#include <sys/resource.h>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

// Watches `window`; once its first paint has been drawn and handed to the window system,
// prints one line, "first-paint-ns T peak-rss-kib M" (T on the realtime clock, which the
// benchmark script compares with the moment it started the program; M the peak resident
// memory so far), and ends the program.
class FirstPaint final : public QObject {
  public:
    explicit FirstPaint(QWidget& window) { window.installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // The rest of the window is painted and flushed in the same pass; a zero timer
            // runs once that pass is over.
            QTimer::singleShot(0, this, &FirstPaint::Report);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    static void Report() {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        constexpr long long kNanosecondsPerSecond = 1'000'000'000;
        std::printf("first-paint-ns %lld peak-rss-kib %ld\n",
                    static_cast<long long>(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec,
                    usage.ru_maxrss);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    bool seen_ = false;
};
