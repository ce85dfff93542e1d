// The turn of a command on the registry of the Windows user: one holder at
// a time, a patient second taker, and a holder that ended without letting go.
#include "registry/UserRegistryLock.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace orvane {
namespace {

using namespace std::chrono_literals;

// Takes the turn, as another Orvane would, on the calling thread, and lets
// it go again: what it said, "" when it was taken.
std::string takeTurn(std::chrono::milliseconds patience)
{
    try {
        const UserRegistryLock lock(patience);
        return "";
    } catch (const RegistryStoreError& error) {
        return error.what();
    }
}

// The same on a thread of its own, as the turn belongs to the thread that holds it.
std::string takeTurnElsewhere(std::chrono::milliseconds patience)
{
    std::string said;
    std::thread([&] { said = takeTurn(patience); }).join();
    return said;
}

TEST(UserRegistryLock, ASecondTakerWaitsForTheFirstAndGivesUpWhileItHolds)
{
    auto first = std::make_unique<UserRegistryLock>();
    EXPECT_EQ(takeTurnElsewhere(200ms), "Another Orvane is changing the Warcraft III settings of this Windows user "
                                        "(its window may be asking a question). Nothing was changed: finish there, "
                                        "then try again.");
    std::string said = "(still waiting)";
    std::thread second([&said] { said = takeTurn(30s); });
    std::this_thread::sleep_for(100ms);
    first.reset();
    second.join();
    EXPECT_EQ(said, ""); // taken once the first let go
}

TEST(UserRegistryLock, AHolderThatEndedWithoutLettingGoLeavesTheTurnToTheNext)
{
    std::unique_ptr<UserRegistryLock> leftBehind;
    std::thread([&leftBehind] { leftBehind = std::make_unique<UserRegistryLock>(); }).join();
    {
        const UserRegistryLock next(200ms);
        EXPECT_NE(takeTurnElsewhere(200ms), ""); // next holds it as its own
    }
    EXPECT_EQ(takeTurnElsewhere(200ms), ""); // and has let it go
    leftBehind.reset();
}

} // namespace
} // namespace orvane
