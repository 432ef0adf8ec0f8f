#include <atomic>
#include <future>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "engine/run_control.h"

namespace listrider::engine {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// Returns how long `call` blocked.
template <class F>
Clock::duration Timed(F call)
{
    const auto start = Clock::now();
    call();
    return Clock::now() - start;
}

TEST(RunControlTest, PauseHoldsTheWorkerUntilResumeSkipOrStop)
{
    RunControl control;
    EXPECT_EQ(control.Check(), Checkpoint::Continue);

    control.RequestPause();
    auto waiting = std::async(std::launch::async, [&] { return control.Check(); });
    EXPECT_EQ(waiting.wait_for(50ms), std::future_status::timeout);
    control.Resume();
    EXPECT_EQ(waiting.get(), Checkpoint::Continue);

    control.RequestPause();
    waiting = std::async(std::launch::async, [&] { return control.Check(); });
    EXPECT_EQ(waiting.wait_for(20ms), std::future_status::timeout);
    control.RequestSkip();
    EXPECT_EQ(waiting.get(), Checkpoint::SkipSite);
    EXPECT_FALSE(control.IsPaused());

    control.BeginSite();
    EXPECT_EQ(control.GetOutcome(), Outcome::None) << "the next site starts afresh";
    control.RequestPause();
    waiting = std::async(std::launch::async, [&] { return control.WaitForTrace(); });
    control.RequestStop();
    EXPECT_EQ(waiting.get(), Checkpoint::Stop);
    control.BeginSite();
    EXPECT_EQ(control.GetOutcome(), Outcome::Abort) << "a stopped run stays stopped";
}

TEST(RunControlTest, TheWorkerNeverOverwritesTheUsersSkipOrStop)
{
    RunControl control;
    control.SetOutcome(Outcome::Error);
    EXPECT_EQ(control.GetOutcome(), Outcome::Error);
    control.RequestSkip();
    control.SetOutcome(Outcome::Exists);
    EXPECT_EQ(control.GetOutcome(), Outcome::Skip);
    control.RequestStop();
    control.SetOutcome(Outcome::Error);
    EXPECT_EQ(control.GetOutcome(), Outcome::Abort);
}

TEST(RunControlTest, ASkipBeforeTheTransferStillAbortsIt)
{
    RunControl control;
    control.BeginTransfer();
    EXPECT_FALSE(control.Transfer().IsAbortRequested());
    control.RequestSkip();
    EXPECT_TRUE(control.Transfer().IsAbortRequested());
    control.BeginTransfer(); // the Skip came between the site's check and this request
    EXPECT_TRUE(control.Transfer().IsAbortRequested());
    control.BeginSite();
    control.BeginTransfer();
    EXPECT_FALSE(control.Transfer().IsAbortRequested());
}

TEST(RunControlTest, TheWatchdogFiresOncePerRequestAndNeverDuringAPause)
{
    RunControl control;
    std::atomic<int> fired{0};
    control.SetTimeoutHandler([&] { ++fired; });

    control.ArmWatchdog(30ms);
    control.RequestPause();
    std::this_thread::sleep_for(80ms);
    EXPECT_EQ(fired, 0);
    EXPECT_FALSE(control.TimedOut());
    control.Resume(); // the timer runs again with its whole interval
    std::this_thread::sleep_for(10ms);
    EXPECT_EQ(fired, 0);
    for (int i = 0; i < 100 && fired == 0; ++i) {
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(control.TimedOut());
    EXPECT_EQ(control.GetOutcome(), Outcome::Skip);
    EXPECT_TRUE(control.Transfer().IsAbortRequested());
    std::this_thread::sleep_for(60ms);
    EXPECT_EQ(fired, 1) << "one shot";

    control.BeginSite();
    EXPECT_FALSE(control.TimedOut());
    control.ArmWatchdog(20ms);
    control.DisarmWatchdog();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(fired, 1);
}

// Controls fired at random moments against a worker that loops through its check points,
// transfers and watchdog: every control takes effect within 100 ms and nothing deadlocks.
TEST(RunControlTest, RandomControlsTakeEffectPromptly)
{
    RunControl control;
    std::atomic<bool> done{false};
    std::atomic<int> skipsSeen{0};
    std::atomic<int> transfersAborted{0};
    std::atomic<int> sitesBegun{0}; // a Skip between two sites ends with the next site's start
    std::thread worker([&] {
        while (!done) {
            control.BeginSite();
            ++sitesBegun;
            for (int step = 0; step < 5; ++step) {
                const Checkpoint check = control.Check();
                if (check == Checkpoint::Stop) {
                    return;
                }
                if (check == Checkpoint::SkipSite) {
                    ++skipsSeen;
                    break;
                }
                control.BeginTransfer();
                control.ArmWatchdog(5s);
                // A transfer: waits until aborted or a short while has passed.
                std::atomic<bool> aborted{false};
                const net::TransferSubscription subscription(&control.Transfer(), [&] { aborted = true; });
                for (int i = 0; i < 20 && !aborted; ++i) {
                    std::this_thread::sleep_for(100us);
                }
                if (aborted) {
                    ++transfersAborted;
                }
                control.DisarmWatchdog();
            }
        }
    });

    std::mt19937 random(7);
    for (int round = 0; round < 40; ++round) {
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        switch (random() % 3) {
        case 0: {
            control.RequestPause();
            std::this_thread::sleep_for(2ms);
            EXPECT_TRUE(control.IsPaused());
            control.Resume();
            break;
        }
        case 1: {
            const int before = skipsSeen + transfersAborted + sitesBegun;
            control.RequestSkip();
            const auto waited = Timed([&] {
                for (int i = 0; i < 200 && skipsSeen + transfersAborted + sitesBegun == before; ++i) {
                    std::this_thread::sleep_for(500us);
                }
            });
            EXPECT_LT(waited, 100ms) << "round " << round;
            break;
        }
        default:
            control.RequestPause();
            control.RequestSkip(); // Skip also ends a pause
            EXPECT_FALSE(control.IsPaused());
            break;
        }
    }
    control.RequestPause();
    const auto stopped = Timed([&] {
        control.RequestStop();
        worker.join();
    });
    EXPECT_LT(stopped, 100ms);
    done = true;
}

} // namespace
} // namespace listrider::engine
