// A byte string the host writes a result into, such as a resolved resource
// name or the text a user typed.
//
// Contract: lives on the stack of the call that uses it, so its reference
// counting does nothing (both answer 1). Answers IMpString and IMpUnknown.
#pragma once

#include <string>

#include "gui/GuiInterfaces.h"

namespace gmpi_sdk {

class MpString : public gmpi::IMpString {
public:
    int32_t queryInterface(const gmpi::MpGuid& iid, void** out) override;
    int32_t addRef() override { return 1; }
    int32_t release() override { return 1; }
    int32_t setData(const char* bytes, int32_t length) override;  // length <= 0 or null bytes empty the string
    int32_t getSize() override { return static_cast<int32_t>(text_.size()); }
    const char* getData() override { return text_.c_str(); }

    const std::string& str() const { return text_; }

private:
    std::string text_;
};

}  // namespace gmpi_sdk
