#include "cores/catalog.hpp"

#include <algorithm>
#include <string>

#include "cores/names.hpp"

namespace ferricalc {

std::optional<double> DataSheet::figure(Quantity quantity) const
{
    switch (quantity) {
    case Le:
        return le;
    case Ae:
        return ae;
    case Ve:
        return ve;
    default:
        return std::nullopt;
    }
}

std::span<const StandardCore> standardCores(const CoreDescriptor& core)
{
    for (const CatalogWindow& window : catalogWindows())
        if (window.core == core.name)
            return window.cores;
    return {};
}

std::vector<const StandardCore*> standardCoresNaming(const CoreDescriptor& core, std::string_view part)
{
    const std::string wanted = comparableName(part);
    std::vector<const StandardCore*> found;
    for (const StandardCore& standard : standardCores(core))
        if (comparableName(standard.name).find(wanted) != std::string::npos)
            found.push_back(&standard);
    return found;
}

const StandardCore* findStandardCore(const CoreDescriptor& core, std::string_view name)
{
    const std::string wanted = comparableName(name);
    if (wanted.empty())
        return nullptr;
    for (const StandardCore& standard : standardCores(core))
        if (comparableName(standard.name) == wanted)
            return &standard;
    const std::vector<const StandardCore*> naming = standardCoresNaming(core, name);
    return naming.size() == 1 ? naming.front() : nullptr;
}

double deviationPercent(double computed, double published) { return (computed - published) / published * 100.0; }

}  // namespace ferricalc
