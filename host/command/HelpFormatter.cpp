#include "host/command/HelpFormatter.h"

namespace zuhost {

namespace {

constexpr std::size_t optionColumnWidth = 36;

bool repeatable(const CLI::Option& option) {
    return option.get_expected_max() > 1 || option.get_multi_option_policy() == CLI::MultiOptionPolicy::TakeAll;
}

}  // namespace

HelpFormatter::HelpFormatter() {
    label("Usage", "usage");
    label("SUBCOMMAND", "COMMAND");
    column_width(optionColumnWidth);
}

std::string HelpFormatter::make_option_opts(const CLI::Option* option) const {
    std::string text;
    if (option->get_type_size() != 0) text += ' ' + option->get_type_name();
    if (!option->get_default_str().empty()) text += " (default " + option->get_default_str() + ')';
    if (option->get_required()) text += " (required)";
    if (option->get_type_size() != 0 && repeatable(*option)) text += " (repeatable)";
    return text;
}

}  // namespace zuhost
