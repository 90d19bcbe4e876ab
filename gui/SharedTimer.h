// One periodic timer for the whole process, shared by every panel that
// animates.
//
// Contract: clients derive from TimerClient and register while they want
// ticks; each tick calls them in registration order on the GUI thread. The
// timer runs only while a client is registered. A client answering false
// from onTimer, stopping, or being destroyed is removed and never called
// again, even later in the tick that is running; clients registered during a
// tick are first called at the next one. The period is shared by all
// clients. Only the first-use creation of the timer is guarded for threads.
#pragma once

#include <cstdint>
#include <vector>

namespace gmpi_gui {

class TimerClient {
public:
    virtual ~TimerClient();      // unregisters this client
    virtual bool onTimer() = 0;  // GUI thread, each tick; false unregisters this client

protected:
    void setTimerPeriod(int32_t milliseconds);  // the shared period; a running timer restarts at it
    void startTimer();                          // registers this client (once)
    void stopTimer();                           // unregisters this client
};

class SharedTimer {
public:
    static SharedTimer& instance();

    void setPeriod(int32_t milliseconds);
    void start(TimerClient* client);
    void stop(TimerClient* client);
    int32_t period() const { return periodMs_; }
    bool isRunning() const { return timerId_ != 0; }

    ~SharedTimer();

private:
    // A registration, told apart from a later one of another client at the
    // same address by its serial number.
    struct Registration {
        TimerClient* client;
        uint64_t serial;
    };

    SharedTimer() = default;
    static void onTick();
    void tick();
    void restart();
    void kill();
    bool isRegistered(const Registration& registration) const;
    void remove(TimerClient* client);

    int32_t periodMs_ = 50;
    std::vector<Registration> clients_;
    uint64_t nextSerial_ = 0;
    uintptr_t timerId_ = 0;
};

}  // namespace gmpi_gui
