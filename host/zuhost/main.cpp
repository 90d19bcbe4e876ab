// zuhost: loads a plug-in library as a host would and shows what it does.
#include <iostream>
#include <string_view>
#include <vector>

#include "host/zuhost/Zuhost.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return zuhost::runZuhost(args, std::cout, std::cerr);
}
