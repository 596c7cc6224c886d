#include "cli/standard_core.hpp"

#include <algorithm>

#include "cores/registry.hpp"

namespace ferricalc {

namespace {

// Names listed when a name fits several cores; more would bury the message.
constexpr std::size_t kCandidatesShown = 6;

}  // namespace

std::string unknownStandardCore(const CoreDescriptor& core, std::string_view name)
{
    std::string message = "no standard core '" + std::string(name) + "' in " + std::string(core.name);
    const std::vector<const StandardCore*> naming = standardCoresNaming(core, name);
    if (naming.size() < 2) {
        message += " (ferricalc-cli --std-list " + std::string(core.name) + " lists them)";
        return message;
    }
    message += "; it is part of " + std::to_string(naming.size()) + " names: ";
    for (std::size_t i = 0; i < std::min(naming.size(), kCandidatesShown); ++i)
        message.append(i > 0 ? ", '" : "'").append(naming[i]->name).append("'");
    if (naming.size() > kCandidatesShown)
        message += ", …";
    return message;
}

void writeStandardCoreList(std::ostream& out, const CoreDescriptor* onlyCore)
{
    bool first = true;
    for (const CoreDescriptor* core : coreTypes()) {
        if (!core->available() || (onlyCore != nullptr && core != onlyCore))
            continue;
        const std::span<const StandardCore> cores = standardCores(*core);
        if (!first)
            out << '\n';
        first = false;
        out << core->name << "  " << core->optionCaption << "  " << cores.size() << " standard cores\n";

        // "Le 78.58mm" for each published figure, in columns as wide as the window's widest.
        std::vector<std::array<std::string, 3>> figures;
        std::size_t nameWidth = 0;
        std::array<std::size_t, 3> figureWidth{};
        for (const StandardCore& standard : cores) {
            std::array<std::string, 3>& cells = figures.emplace_back();
            for (std::size_t i = 0; i < cells.size(); ++i) {
                const auto q = static_cast<Quantity>(Le + static_cast<int>(i));
                const std::optional<double> figure = standard.dataSheet.figure(q);
                cells[i].append(kQuantityNames[q]).append(" ");
                cells[i].append(figure ? figureText(*figure, ".").append(kQuantityUnits[q]) : "-");
                figureWidth[i] = std::max(figureWidth[i], cells[i].size());
            }
            nameWidth = std::max(nameWidth, standard.name.size());
        }
        for (std::size_t row = 0; row < cores.size(); ++row) {
            const StandardCore& standard = cores[row];
            out << "  " << standard.name;
            if (standard.dataSheet.anyPublished()) {
                std::string line(nameWidth - standard.name.size(), ' ');
                for (std::size_t i = 0; i < figureWidth.size(); ++i) {
                    line.append("  ").append(figures[row][i]);
                    if (i + 1 < figureWidth.size())
                        line.append(figureWidth[i] - figures[row][i].size(), ' ');
                }
                out << line;
            }
            out << '\n';
        }
    }
}

}  // namespace ferricalc
