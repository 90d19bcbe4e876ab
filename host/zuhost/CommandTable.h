// Every command zuhost has. A new command is registered here and nowhere
// else: one line in zuhostCommands().
#pragma once

#include <memory>
#include <vector>

#include "host/command/Command.h"

namespace zuhost {

// Fresh commands, in the order `zuhost --help` lists them.
std::vector<std::unique_ptr<Command>> zuhostCommands();

}  // namespace zuhost
