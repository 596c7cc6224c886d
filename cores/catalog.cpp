#include "cores/catalog.hpp"

#include <algorithm>
#include <string>

namespace ferricalc {

namespace {

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The name as compared: lower case, blanks dropped, so "ETD34" finds "ETD 34".
std::string comparable(std::string_view name)
{
    std::string folded;
    folded.reserve(name.size());
    for (const char c : name)
        if (c != ' ' && c != '\t')
            folded.push_back(lowerAscii(c));
    return folded;
}

}  // namespace

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
    const std::string wanted = comparable(part);
    std::vector<const StandardCore*> found;
    for (const StandardCore& standard : standardCores(core))
        if (comparable(standard.name).find(wanted) != std::string::npos)
            found.push_back(&standard);
    return found;
}

const StandardCore* findStandardCore(const CoreDescriptor& core, std::string_view name)
{
    const std::string wanted = comparable(name);
    if (wanted.empty())
        return nullptr;
    for (const StandardCore& standard : standardCores(core))
        if (comparable(standard.name) == wanted)
            return &standard;
    const std::vector<const StandardCore*> naming = standardCoresNaming(core, name);
    return naming.size() == 1 ? naming.front() : nullptr;
}

double deviationPercent(double computed, double published) { return (computed - published) / published * 100.0; }

}  // namespace ferricalc
