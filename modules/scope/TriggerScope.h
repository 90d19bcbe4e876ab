// Audio half of "ZU TrigScope3 XP": the oscilloscope of Scope3, triggered by a
// separate "Trigger" input (pin 0, ahead of Scope3's pins), and never capturing
// without a trigger.
#pragma once

#include "modules/scope/Scope3.h"

namespace zu {

class TriggerScope final : public Scope3 {
public:
    TriggerScope();

    gmpi::AudioInPin& getTriggerPin() override { return trigger_; }
    int32_t getTriggerTimeout() override { return noTimeOut; }

private:
    gmpi::AudioInPin trigger_;
};

}  // namespace zu
