// Audio half of "ZU List Entry": passes the chosen item's value, which arrives
// as parameter 0, on to the enum output "Value Out". It produces no audio and
// sleeps whenever the host lets it.
#pragma once

#include "framework/MpBase.h"
#include "framework/MpControlPin.h"

namespace zu {

class ListEntry final : public gmpi::MpBase2 {
public:
    ListEntry();
    void onSetPins() override;

private:
    gmpi::IntInPin valueIn_;
    gmpi::IntOutPin valueOut_;
};

}  // namespace zu
