// Wrong use of a command: text that does not fit what an argument needs. The
// message says what was expected and what was given; whoever knows the option
// the text came from adds its name (ParsedOption.h).
#pragma once

#include <stdexcept>

namespace zuhost {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zuhost
