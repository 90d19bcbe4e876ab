#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "gui/SharedTimer.h"
#include "host/gui/VirtualPlatform.h"

namespace {

using gmpi_gui::SharedTimer;
using gmpi_gui::TimerClient;
using zuhost::gui::VirtualPlatform;

// Appends its name to a shared trace at each tick and answers what onTick says.
class Client : public TimerClient {
public:
    Client(std::string name, std::string& trace) : name_(std::move(name)), trace_(trace) {}
    bool onTimer() override {
        trace_ += name_;
        return onTick ? onTick() : true;
    }
    using TimerClient::setTimerPeriod;
    using TimerClient::startTimer;
    using TimerClient::stopTimer;

    std::function<bool()> onTick;

private:
    std::string name_;
    std::string& trace_;
};

class SharedTimerTest : public ::testing::Test {
protected:
    void SetUp() override { SharedTimer::instance().setPeriod(50); }
    void TearDown() override {
        EXPECT_FALSE(SharedTimer::instance().isRunning());
        EXPECT_EQ(VirtualPlatform::instance().runningTimerCount(), 0u);
    }
    static void advance(int64_t ms) { VirtualPlatform::instance().advance(ms); }

    std::string trace;
};

#if !defined(_WIN32)

TEST_F(SharedTimerTest, ClientsAreCalledInRegistrationOrderOncePerTick) {
    Client a("a", trace), b("b", trace);
    b.startTimer();
    a.startTimer();
    b.startTimer();
    advance(49);
    EXPECT_EQ(trace, "");
    advance(51);
    EXPECT_EQ(trace, "baba");
    a.stopTimer();
    b.stopTimer();
}

TEST_F(SharedTimerTest, PeriodSetWithoutClientsAppliesToTheNextStart) {
    Client a("a", trace);
    a.setTimerPeriod(10);
    EXPECT_FALSE(SharedTimer::instance().isRunning());
    a.startTimer();
    advance(30);
    EXPECT_EQ(trace, "aaa");
    a.stopTimer();
}

TEST_F(SharedTimerTest, NewPeriodReplacesTheRunningTimer) {
    Client a("a", trace);
    a.startTimer();
    advance(50);
    a.setTimerPeriod(10);
    EXPECT_EQ(VirtualPlatform::instance().runningTimerCount(), 1u);
    advance(20);
    EXPECT_EQ(trace, "aaa");
    a.stopTimer();
}

TEST_F(SharedTimerTest, ClientsLeaveByAnsweringFalseStoppingOrDying) {
    Client once("o", trace), stopped("s", trace);
    auto dying = std::make_unique<Client>("d", trace);
    once.onTick = [] { return false; };
    once.startTimer();
    stopped.startTimer();
    dying->startTimer();
    advance(50);
    stopped.stopTimer();
    stopped.stopTimer();
    dying.reset();
    EXPECT_FALSE(SharedTimer::instance().isRunning());
    advance(100);
    EXPECT_EQ(trace, "osd");
}

TEST_F(SharedTimerTest, AClientDestroyedByAnotherInTheSameTickIsNotCalled) {
    auto victim = std::make_unique<Client>("v", trace);
    Client killer("k", trace);
    killer.onTick = [&] {
        victim.reset();
        return false;
    };
    killer.startTimer();
    victim->startTimer();
    advance(50);
    EXPECT_EQ(trace, "k");
}

TEST_F(SharedTimerTest, ClientsRegisteredDuringATickWaitForTheNext) {
    Client late("l", trace), starter("s", trace);
    starter.onTick = [&] {
        late.startTimer();
        return true;
    };
    starter.startTimer();
    advance(50);
    EXPECT_EQ(trace, "s");
    advance(50);
    EXPECT_EQ(trace, "ssl");
    starter.stopTimer();
    late.stopTimer();
}

#else

// The real thread timer: ticks arrive through the message loop at about the period.
TEST_F(SharedTimerTest, WindowsTimerTicksAtItsPeriod) {
    Client a("a", trace);
    a.setTimerPeriod(20);
    a.startTimer();
    advance(500);
    a.stopTimer();
    EXPECT_GE(trace.size(), 10u);
    EXPECT_LE(trace.size(), 30u);
}

#endif

}  // namespace
