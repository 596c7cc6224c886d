#include <iostream>
#include <string_view>
#include <vector>

#include "cli/cli.hpp"

int main(int argc, char* argv[])
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    return ferricalc::runCli(args, std::cout, std::cerr);
}
