// Prints, per window, how far the displayed Le, Ae and Ve of the catalogue's
// standard cores lie from their data sheets; --cores adds one line per core.

#include <iostream>
#include <string_view>

#include "cli/accuracy.hpp"

int main(int argc, char* argv[])
{
    const bool perCore = argc == 2 && std::string_view(argv[1]) == "--cores";
    if (argc > 2 || (argc == 2 && !perCore)) {
        std::cerr << "Usage: ferricalc-accuracy [--cores]\n";
        return 2;
    }
    const std::vector<ferricalc::WindowAccuracy> windows = ferricalc::measureCatalogue();
    ferricalc::writeAccuracyTable(std::cout, windows);
    if (perCore) {
        std::cout << '\n';
        ferricalc::writeCoreDeviations(std::cout, windows);
    }
    bool anyFailed = false;
    for (const ferricalc::WindowAccuracy& window : windows)
        anyFailed = anyFailed || !window.failed.empty();
    return anyFailed ? 1 : 0;
}
