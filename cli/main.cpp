#include <iostream>
#include <string_view>
#include <vector>

#include "cli/cli.hpp"

int main(int argc, char* argv[])
{
    // The command line writes through its own buffers; C stdio is not used beside them.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return ferricalc::runCli(args, std::cout, std::cerr);
}
