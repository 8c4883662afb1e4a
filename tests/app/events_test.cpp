#include "common/events.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/app_commands.h"

namespace r8 {
namespace {

TEST(Event, ListenersRunInOrderAndLeaveWithTheirSubscription) {
  Event<int> event;
  std::vector<std::string> calls;
  Subscription a = event.Subscribe([&](const int& v) { calls.push_back("a" + std::to_string(v)); });
  std::optional<Subscription> b =
      event.Subscribe([&](const int& v) { calls.push_back("b" + std::to_string(v)); });
  Subscription c = event.Subscribe([&](const int& v) { calls.push_back("c" + std::to_string(v)); });
  event.Emit(1);
  b.reset();  // the window in the middle goes
  event.Emit(2);
  Subscription moved = std::move(c);  // a moved subscription still holds its listener
  event.Emit(3);
  moved.Reset();
  event.Emit(4);
  EXPECT_EQ(calls, (std::vector<std::string>{"a1", "b1", "c1", "a2", "c2", "a3", "c3", "a4"}));
  EXPECT_EQ(event.listener_count(), 1u);
  EXPECT_FALSE(moved.active());
}

TEST(Event, AFailingListenerDoesNotStopTheOthers) {
  Event<> event;
  std::vector<std::string> failures;
  event.set_failure_sink([&](const std::string& what) { failures.push_back(what); });
  int later = 0;
  Subscription a = event.Subscribe([] { throw std::runtime_error("first broke"); });
  Subscription b = event.Subscribe([] { throw 42; });
  Subscription c = event.Subscribe([&] { ++later; });
  EXPECT_EQ(event.Emit(), 2);
  EXPECT_EQ(later, 1);
  EXPECT_EQ(failures, (std::vector<std::string>{"first broke", "unknown failure"}));
}

TEST(Event, ListenersMayLeaveOrJoinWhileTheEventRuns) {
  Event<int> event;
  std::vector<std::string> calls;
  std::optional<Subscription> second;
  std::optional<Subscription> joined;
  // The first listener closes the second window and opens a third one.
  Subscription first = event.Subscribe([&](const int& v) {
    calls.push_back("first" + std::to_string(v));
    second.reset();
    if (!joined) {
      joined =
          event.Subscribe([&](const int& w) { calls.push_back("joined" + std::to_string(w)); });
    }
  });
  second = event.Subscribe([&](const int& v) { calls.push_back("second" + std::to_string(v)); });
  // A listener that leaves by itself while running.
  std::optional<Subscription> once;
  once = event.Subscribe([&](const int& v) {
    calls.push_back("once" + std::to_string(v));
    once.reset();
  });
  event.Emit(1);
  event.Emit(2);
  // Listeners that joined during an emit wait for the next one.
  EXPECT_EQ(calls, (std::vector<std::string>{"first1", "once1", "first2", "joined2"}));
  EXPECT_EQ(event.listener_count(), 2u);
}

TEST(Event, ASubscriptionMayOutliveItsEvent) {
  Subscription s;
  {
    Event<int> event;
    s = event.Subscribe([](const int&) {});
  }
  s.Reset();  // no crash, nothing to leave
  EXPECT_FALSE(s.active());
}

TEST(CommandTable, PostsRunTheNewestHandlerAndUnknownNumbersAreIgnored) {
  CommandTable table;
  std::vector<std::string> calls;
  EXPECT_FALSE(table.Post(AppCommand::kRefresh));
  Subscription main = table.Register(
      AppCommand::kKeypadChar, [&](int c) { calls.push_back(std::string("main ") + char(c)); });
  Subscription refresh =
      table.Register(AppCommand::kRefresh, [&](int) { calls.push_back("refresh"); });
  EXPECT_TRUE(table.Post(AppCommand::kKeypadChar, '9'));
  EXPECT_TRUE(table.Post(1964));
  EXPECT_FALSE(table.Post(1965));  // not a command of the main window
  EXPECT_FALSE(table.Post(AppCommand::kScanButton));
  {
    // A handler registered later takes the command while it lives.
    Subscription test = table.Register(
        AppCommand::kKeypadChar, [&](int c) { calls.push_back(std::string("test ") + char(c)); });
    table.Post(1220, '.');
  }
  table.Post(AppCommand::kKeypadChar, '5');
  refresh.Reset();
  EXPECT_FALSE(table.Has(AppCommand::kRefresh));
  EXPECT_FALSE(table.Post(AppCommand::kRefresh));
  EXPECT_EQ(calls, (std::vector<std::string>{"main 9", "refresh", "test .", "main 5"}));
}

TEST(CommandTable, AHandlerMayPostAnotherCommandAndLeaveWhileRunning) {
  CommandTable table;
  int refreshes = 0;
  Subscription refresh = table.Register(AppCommand::kRefresh, [&](int) { ++refreshes; });
  std::optional<Subscription> vfo;
  vfo = table.Register(AppCommand::kVfoSwitch, [&](int) {
    vfo.reset();  // the window closes itself in its own command
    table.Post(AppCommand::kRefresh);
  });
  EXPECT_TRUE(table.Post(AppCommand::kVfoSwitch));
  EXPECT_FALSE(table.Post(AppCommand::kVfoSwitch));
  EXPECT_EQ(refreshes, 1);
}

TEST(CommandTable, EveryNumberOfTheMainWindowIsKnown) {
  for (int n : {1216, 1217, 1218, 1219, 1220, 1345, 1456, 1457, 1464, 1534, 1558, 1559, 1560,
                1561, 1629, 1634, 1644, 1659, 1667, 1668, 1669, 1674, 1694, 1729, 1734, 1739,
                1744, 1747, 1748, 1749, 1751, 1754, 1774, 1784, 1964, 2005, 2006, 2007}) {
    const std::optional<AppCommand> c = AppCommandFromNumber(n);
    ASSERT_TRUE(c.has_value()) << n;
    EXPECT_EQ(static_cast<int>(*c), n);
  }
  for (int n : {0, -1, 1215, 1221, 1963, 2008}) EXPECT_FALSE(AppCommandFromNumber(n)) << n;
}

}  // namespace
}  // namespace r8
