// Prints, per window, how far the displayed Le, Ae and Ve of the catalogue's
// standard cores lie from their data sheets, and how far the design's AL lies
// from the published AL of real sets; --cores and --al add one line per core
// or per published AL.

#include <fstream>
#include <iostream>
#include <string_view>

#include "cli/accuracy.hpp"

#ifndef FERRICALC_AL_DATA
#define FERRICALC_AL_DATA "data/al-published.csv"
#endif

int main(int argc, char* argv[])
{
    const std::string_view option = argc == 2 ? std::string_view(argv[1]) : std::string_view();
    const bool perCore = option == "--cores";
    const bool perAl = option == "--al";
    if (argc > 2 || (argc == 2 && !perCore && !perAl)) {
        std::cerr << "Usage: ferricalc-accuracy [--cores | --al]\n";
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

    std::ifstream data(FERRICALC_AL_DATA);
    std::string problem;
    const std::vector<ferricalc::AlRecord> records = ferricalc::readAlRecords(data, problem);
    const std::vector<ferricalc::AlComparison> comparisons =
        problem.empty() ? ferricalc::compareAl(records, problem) : std::vector<ferricalc::AlComparison>{};
    if (!problem.empty()) {
        std::cerr << "ferricalc-accuracy: " << FERRICALC_AL_DATA << ": " << problem << '\n';
        return 1;
    }
    std::cout << '\n';
    ferricalc::writeAlTable(std::cout, ferricalc::summarizeAl(comparisons));
    std::cout << '\n';
    ferricalc::writeAlGroups(std::cout, ferricalc::groupAl(comparisons));
    if (perAl) {
        std::cout << '\n';
        ferricalc::writeAlRecords(std::cout, comparisons);
    }
    return anyFailed ? 1 : 0;
}
