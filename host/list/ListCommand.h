// `zuhost list [LIBRARY] [--json]`: prints what a plug-in library describes,
// read from the file without loading it, as aligned text or as JSON.
#pragma once

#include <filesystem>

#include "host/command/Command.h"

namespace zuhost {

struct ListOptions {
    std::filesystem::path library;
    bool json = false;
};

class ListCommand final : public Command {
public:
    std::string_view name() const override { return "list"; }
    std::string_view summary() const override;
    void declare(CLI::App& app) override;
    int run(std::ostream& out, std::ostream& err) override;

private:
    ListOptions options_;
};

}  // namespace zuhost
