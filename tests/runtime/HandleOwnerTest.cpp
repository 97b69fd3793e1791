#include "runtime/HandleOwner.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace getlink {
namespace {

// A kind whose null value is -1, so that handle 0 is a real handle (as a kernel handle's
// null is INVALID_HANDLE_VALUE), recording every release in order.
std::vector<int> released;

struct CountedTraits {
  using Handle = int;
  static Handle Null() noexcept { return -1; }
  static void Release(Handle handle) noexcept { released.push_back(handle); }
};
using Owner = HandleOwner<CountedTraits>;

struct OwnerCase {
  const char* name;
  std::function<void()> steps;  // runs with its owners in scope; may check them on the way
  std::vector<int> releases;    // every release, in order, once the owners are gone
};

TEST(HandleOwner, ReleasesEachHandleOnce) {
  const OwnerCase cases[] = {
      {"an empty owner releases nothing", [] { Owner empty; EXPECT_FALSE(empty); EXPECT_EQ(empty.Get(), -1); }, {}},
      {"the handle the null value is not", [] { Owner zero(0); EXPECT_TRUE(zero); }, {0}},
      {"moving hands the handle on",
       [] {
         Owner from(1);
         Owner to(std::move(from));
         EXPECT_FALSE(from);
         EXPECT_EQ(to.Get(), 1);
       },
       {1}},
      {"moving onto an owner releases its handle first",
       [] {
         Owner from(1);
         Owner to(2);
         to = std::move(from);
         EXPECT_EQ(released, std::vector<int>{2});
         EXPECT_EQ(to.Get(), 1);
       },
       {2, 1}},
      {"moving onto itself keeps the handle",
       [] {
         Owner owner(1);
         Owner& same = owner;
         owner = std::move(same);
         EXPECT_TRUE(released.empty());
         EXPECT_EQ(owner.Get(), 1);
       },
       {1}},
      {"Reset releases and takes the new handle", [] { Owner owner(1); owner.Reset(2); owner.Reset(2 + 1); }, {1, 2, 3}},
      {"Reset to nothing", [] { Owner owner(1); owner.Reset(); EXPECT_FALSE(owner); }, {1}},
      {"Detach hands over without releasing", [] { Owner owner(1); EXPECT_EQ(owner.Detach(), 1); EXPECT_FALSE(owner); }, {}},
      {"Put releases and lends an empty slot",
       [] {
         Owner owner(1);
         int* slot = owner.Put();
         EXPECT_EQ(*slot, -1);
         *slot = 2;
       },
       {1, 2}},
      {"InOut lends the slot as it is (the callee released what it replaced)",
       [] {
         Owner owner(1);
         int* slot = owner.InOut();
         EXPECT_EQ(*slot, 1);
         *slot = 2;
       },
       {2}},
  };
  for (const OwnerCase& test : cases) {
    SCOPED_TRACE(test.name);
    released.clear();
    test.steps();
    EXPECT_EQ(released, test.releases);
  }
}

}  // namespace
}  // namespace getlink
