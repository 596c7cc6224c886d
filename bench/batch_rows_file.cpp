// Writes a generated batch file for timing the command-line program itself:
//   ferricalc_batch_rows mixed|ring [COUNT] > rows.csv      (COUNT 1,000,000 unless given)

#include <charconv>
#include <iostream>
#include <string_view>

#include "bench/batch_rows.hpp"

int main(int argc, char* argv[])
{
    const std::string_view kind = argc > 1 ? argv[1] : "";
    std::size_t count = 1'000'000;
    const std::string_view countText = argc > 2 ? argv[2] : "";
    if ((kind != "mixed" && kind != "ring") || argc > 3
        || (!countText.empty()
            && std::from_chars(countText.data(), countText.data() + countText.size(), count).ec != std::errc())) {
        std::cerr << "usage: ferricalc_batch_rows mixed|ring [COUNT]\n";
        return 2;
    }
    constexpr std::size_t kRowsPerBlock = 100'000;
    const ferricalc::bench::MixedRows mix;
    std::string csv(kind == "ring" ? std::string(ferricalc::bench::kRingHeader) : mix.header());
    for (std::size_t written = 0; written < count; written += kRowsPerBlock) {
        const std::size_t rows = std::min(kRowsPerBlock, count - written);
        if (kind == "ring")
            ferricalc::bench::appendRingRows(csv, rows, static_cast<unsigned>(written / kRowsPerBlock + 7));
        else
            mix.append(csv, written, rows);
        std::cout << csv;
        csv.clear();
    }
    return std::cout.good() ? 0 : 1;
}
