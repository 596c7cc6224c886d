// Writes a CSV file of ring rows for timing the command-line program itself:
//   ferricalc_ring_rows COUNT > rows.csv

#include <charconv>
#include <cstdio>
#include <iostream>
#include <string_view>

#include "bench/ring_rows.hpp"

int main(int argc, char* argv[])
{
    std::size_t count = 1'000'000;
    if (argc > 1) {
        const std::string_view text = argv[1];
        if (std::from_chars(text.data(), text.data() + text.size(), count).ec != std::errc()) {
            std::cerr << "usage: ferricalc_ring_rows [COUNT]\n";
            return 2;
        }
    }
    std::string csv(ferricalc::bench::kRingHeader);
    constexpr std::size_t kRowsPerBlock = 100'000;
    for (std::size_t written = 0; written < count; written += kRowsPerBlock) {
        ferricalc::bench::appendRingRows(csv, std::min(kRowsPerBlock, count - written),
                                         static_cast<unsigned>(written / kRowsPerBlock + 7));
        std::cout << csv;
        csv.clear();
    }
    return std::cout.good() ? 0 : 1;
}
