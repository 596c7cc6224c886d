#pragma once
// ferricalc-cli --advise: which standard core for an inductor (calc/advisor),
// as aligned text, CSV or JSON. The requirement comes in the design's own
// options (--inductance, --current as the peak, --ripple, --frequency, --duty,
// --temperature, --strands, --material as a list), the limits and the choice of
// cores in the adviser's.

#include <array>
#include <ostream>
#include <string_view>

#include "calc/design_request.hpp"

namespace ferricalc {

enum AdviseOption { FamilyOption, MaxRiseOption, MaxShareOption, FillOption, RankOption, TopOption, AdviseOptionCount };

inline constexpr std::array<std::string_view, AdviseOptionCount> kAdviseOptions{
    "--family", "--max-dt", "--max-b-share", "--fill", "--rank", "--top"};

// The adviser's option `arg` names ("--top" or "--top=5"), or -1.
int adviseOptionOf(std::string_view arg);

struct AdviseRequest {
    DesignTexts design{};                              // the requirement, as the design's options
    std::array<std::string_view, AdviseOptionCount> texts{};
    bool all = false;  // the cores that miss too, with why
    bool csv = false;
    bool json = false;
};

// Exit status 0 with feasible designs, 1 with none (the closest misses are
// listed), 2 for a usage error.
int runAdvise(const AdviseRequest& request, std::ostream& out, std::ostream& err);

}  // namespace ferricalc
