// Calls a host's service object counts as misuse: to slots this library
// never uses, or with arguments no plug-in should pass. Shared by the audio
// and the GUI side of the substitute host.
#pragma once

#include <cstdint>

#include "framework/MpInterfaces.h"

namespace zuhost {

class UnexpectedCalls {
public:
    // Counts one; answers what the slot answers to it.
    int32_t note(int32_t answer = gmpi::MP_FAIL) {
        ++count_;
        return answer;
    }
    int32_t count() const { return count_; }

private:
    int32_t count_ = 0;
};

}  // namespace zuhost
