// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock the test moves by hand. What is started on it runs when the clock
// passes its time, earliest first (in order of starting at the same time), and
// may start more on the way.
#include <QtGlobal>
#include <functional>
#include <iterator>
#include <list>

namespace vorlane_test {

class FakeClock {
 public:
  // The "start a timer" of a schedule, on this clock.
  std::function<void(int, std::function<void()>)> timerStart() {
    return [this](int ms, std::function<void()> due) { pending_.push_back({now_ + ms, std::move(due)}); };
  }

  // Moves the clock on by ms.
  void advance(qint64 ms) {
    const qint64 until = now_ + ms;
    for (;;) {
      auto next = pending_.end();
      for (auto it = pending_.begin(); it != pending_.end(); ++it)
        if (it->at <= until && (next == pending_.end() || it->at < next->at)) next = it;
      if (next == pending_.end()) break;
      now_ = next->at;
      const std::function<void()> due = std::move(next->due);
      pending_.erase(next);
      due();
    }
    now_ = until;
  }

  qint64 now() const { return now_; }

 private:
  struct Pending {
    qint64 at;
    std::function<void()> due;
  };
  qint64 now_ = 0;
  std::list<Pending> pending_;
};

}  // namespace vorlane_test
