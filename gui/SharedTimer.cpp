#include "gui/SharedTimer.h"

#include <algorithm>

#include "platform/ThreadTimer.h"

namespace gmpi_gui {

TimerClient::~TimerClient() { SharedTimer::instance().stop(this); }
void TimerClient::setTimerPeriod(int32_t milliseconds) { SharedTimer::instance().setPeriod(milliseconds); }
void TimerClient::startTimer() { SharedTimer::instance().start(this); }
void TimerClient::stopTimer() { SharedTimer::instance().stop(this); }

SharedTimer& SharedTimer::instance() {
    static SharedTimer timer;
    return timer;
}

SharedTimer::~SharedTimer() { kill(); }

void SharedTimer::setPeriod(int32_t milliseconds) {
    periodMs_ = milliseconds;
    restart();
}

void SharedTimer::start(TimerClient* client) {
    const auto found = std::find_if(clients_.begin(), clients_.end(), [client](auto& r) { return r.client == client; });
    if (found != clients_.end()) return;
    clients_.push_back({client, nextSerial_++});
    if (clients_.size() == 1) restart();
}

void SharedTimer::stop(TimerClient* client) { remove(client); }

void SharedTimer::onTick() { instance().tick(); }

void SharedTimer::tick() {
    const std::vector<Registration> snapshot = clients_;
    for (const Registration& registration : snapshot) {
        if (!isRegistered(registration)) continue;
        if (!registration.client->onTimer()) remove(registration.client);
    }
}

void SharedTimer::restart() {
    kill();
    if (!clients_.empty()) {
        const auto period = static_cast<uint32_t>(std::max(periodMs_, 1));
        timerId_ = platform::startThreadTimer(period, &SharedTimer::onTick);
    }
}

void SharedTimer::kill() {
    if (timerId_ == 0) return;
    platform::stopThreadTimer(timerId_);
    timerId_ = 0;
}

bool SharedTimer::isRegistered(const Registration& registration) const {
    return std::any_of(clients_.begin(), clients_.end(), [&registration](const Registration& r) {
        return r.client == registration.client && r.serial == registration.serial;
    });
}

void SharedTimer::remove(TimerClient* client) {
    const auto found = std::find_if(clients_.begin(), clients_.end(), [client](auto& r) { return r.client == client; });
    if (found == clients_.end()) return;
    clients_.erase(found);
    if (clients_.empty()) kill();
}

}  // namespace gmpi_gui
