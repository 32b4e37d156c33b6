// Included first in every GoogleTest unit of the cross build. The win32
// thread model of MinGW has no std::mutex, which GoogleTest's Notification
// uses; this one waits on an atomic flag instead, and GoogleTest takes it
// because GTEST_HAS_NOTIFICATION_ is set.
#pragma once

#include <atomic>

extern "C" __declspec(dllimport) void __stdcall Sleep(unsigned long milliseconds);

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing {
namespace internal {

class Notification {
 public:
  Notification() : notified_(false) {}
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) Sleep(1);
  }

 private:
  std::atomic<bool> notified_;
};

}  // namespace internal
}  // namespace testing
