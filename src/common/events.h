// Events many windows follow (the display refreshed, a minute passed, the receiver was tuned, ...):
// any number of listeners, each held by a Subscription that leaves the event when it goes, so a
// window that closes can never be called again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace r8 {

// Scoped membership of one listener in one event (or one handler in the command table).
// Move-only; destroying or resetting it removes the listener. Outliving the event is harmless.
class Subscription {
 public:
  Subscription() = default;
  explicit Subscription(std::function<void()> leave) : leave_(std::move(leave)) {}
  Subscription(Subscription&& other) noexcept : leave_(std::exchange(other.leave_, nullptr)) {}
  Subscription& operator=(Subscription&& other) noexcept {
    if (this != &other) {
      Reset();
      leave_ = std::exchange(other.leave_, nullptr);
    }
    return *this;
  }
  Subscription(const Subscription&) = delete;
  Subscription& operator=(const Subscription&) = delete;
  ~Subscription() { Reset(); }

  void Reset() {
    if (auto leave = std::exchange(leave_, nullptr)) leave();
  }
  bool active() const { return static_cast<bool>(leave_); }

 private:
  std::function<void()> leave_;
};

// Where a listener's failure is reported; the other listeners still run.
using FailureSink = std::function<void(const std::string& what)>;

template <typename... Args>
class Event {
 public:
  using Listener = std::function<void(const Args&...)>;

  Event() = default;
  Event(const Event&) = delete;
  Event& operator=(const Event&) = delete;

  // Listeners run in the order they subscribed.
  [[nodiscard]] Subscription Subscribe(Listener listener) {
    const std::uint64_t id = ++state_->next_id;
    state_->entries.push_back({id, std::move(listener)});
    std::weak_ptr<State> weak = state_;
    return Subscription([weak, id] {
      if (auto s = weak.lock()) s->Remove(id);
    });
  }

  // Calls every listener subscribed when the emit began and still subscribed when its turn comes.
  // A listener that throws is reported to the failure sink and the rest still run. Returns the
  // number of listeners that failed.
  int Emit(const Args&... args) {
    std::shared_ptr<State> keep = state_;  // a listener may destroy the event's owner
    ++keep->depth;
    int failures = 0;
    const std::size_t count = keep->entries.size();
    for (std::size_t i = 0; i < count && i < keep->entries.size(); ++i) {
      if (!keep->entries[i].listener) continue;  // left during this emit
      // A copy, so that a listener that unsubscribes itself is not destroyed while it runs.
      Listener listener = keep->entries[i].listener;
      try {
        listener(args...);
      } catch (const std::exception& e) {
        ++failures;
        if (keep->failure_sink) keep->failure_sink(e.what());
      } catch (...) {
        ++failures;
        if (keep->failure_sink) keep->failure_sink("unknown failure");
      }
    }
    if (--keep->depth == 0) keep->Compact();
    return failures;
  }

  std::size_t listener_count() const {
    std::size_t n = 0;
    for (const Slot& s : state_->entries) n += s.listener ? 1 : 0;
    return n;
  }

  void set_failure_sink(FailureSink sink) { state_->failure_sink = std::move(sink); }

 private:
  struct Slot {
    std::uint64_t id = 0;
    Listener listener;
  };
  struct State {
    std::vector<Slot> entries;
    std::uint64_t next_id = 0;
    int depth = 0;
    FailureSink failure_sink;

    void Remove(std::uint64_t id) {
      for (Slot& s : entries) {
        if (s.id == id) s.listener = nullptr;
      }
      if (depth == 0) Compact();
    }
    void Compact() {
      std::erase_if(entries, [](const Slot& s) { return !s.listener; });
    }
  };
  std::shared_ptr<State> state_ = std::make_shared<State>();
};

}  // namespace r8
