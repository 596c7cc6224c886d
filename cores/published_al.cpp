#include "cores/published_al.hpp"

#include <algorithm>
#include <cctype>
#include <span>
#include <string>

namespace ferricalc {

namespace {

// Upper case without blanks, the part in brackets left off.
std::string designation(std::string_view name)
{
    name = name.substr(0, name.find('('));
    std::string out;
    for (const char c : name)
        if (std::isspace(static_cast<unsigned char>(c)) == 0)
            out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    return out;
}

std::vector<std::string_view> parts(std::string_view text)
{
    std::vector<std::string_view> out;
    for (std::size_t start = 0;;) {
        const std::size_t slash = text.find('/', start);
        out.push_back(text.substr(start, slash - start));
        if (slash == std::string_view::npos)
            return out;
        start = slash + 1;
    }
}

// A part one name may give and the other leave out.
bool optionalPart(std::string_view part)
{
    const bool number = !part.empty() && std::all_of(part.begin(), part.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '.';
    });
    return number || part == "I";
}

bool sameLetters(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

bool holds(std::string_view text, std::string_view part)
{
    for (std::size_t i = 0; !part.empty() && i + part.size() <= text.size(); ++i)
        if (sameLetters(text.substr(i, part.size()), part))
            return true;
    return false;
}

// EPCOS's cores are sold under TDK's name, as the catalogue lists them.
bool namesVendor(std::string_view catalogueName, std::string_view vendor)
{
    return holds(catalogueName, vendor) || (sameLetters(vendor, "EPCOS") && holds(catalogueName, "TDK"));
}

// Whether a name that stops after `given` parts names more than one set: a
// catalogue core agrees with those parts and gives another dimension than `next`
// after them ("E 13" is E 13/6/3 as well as E 13/7/4). A plain version left out
// ("RM 8" for "RM 8/I") names no other set.
bool severalSets(std::span<const std::string_view> given, std::string_view next)
{
    if (next == "I")
        return false;
    for (const CatalogWindow& window : catalogWindows()) {
        for (const StandardCore& core : window.cores) {
            const std::string name = designation(core.name);
            const std::vector<std::string_view> coreParts = parts(name);
            if (coreParts.size() > given.size() && std::equal(given.begin(), given.end(), coreParts.begin())
                && coreParts[given.size()] != next && coreParts[given.size()] != "I"
                && optionalPart(coreParts[given.size()]))
                return true;
        }
    }
    return false;
}

}  // namespace

bool sameCoreSet(std::string_view catalogueName, std::string_view shape)
{
    const std::string a = designation(catalogueName);
    const std::string b = designation(shape);
    const std::vector<std::string_view> left = parts(a);
    const std::vector<std::string_view> right = parts(b);
    if (left.front().empty() || left.front() != right.front())
        return false;
    const std::size_t common = std::min(left.size(), right.size());
    for (std::size_t i = 1; i < common; ++i)
        if (left[i] != right[i])
            return false;
    const auto& longer = left.size() > right.size() ? left : right;
    if (!std::all_of(longer.begin() + static_cast<std::ptrdiff_t>(common), longer.end(), optionalPart))
        return false;
    return common == longer.size() || !severalSets(std::span(longer).first(common), longer[common]);
}

std::vector<PublishedAlPoint> publishedAlPoints(std::string_view catalogueName, std::string_view material)
{
    std::vector<PublishedAlPoint> points;
    for (const PublishedAl& record : publishedAlRecords()) {
        if (!sameLetters(record.material, material) || !sameCoreSet(catalogueName, record.shape))
            continue;
        const bool known = std::any_of(points.begin(), points.end(), [&](const PublishedAlPoint& p) {
            return p.gap == record.gap && p.al == record.al;
        });
        if (!known)
            points.push_back({record.gap, record.al});
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const PublishedAlPoint& a, const PublishedAlPoint& b) { return a.gap < b.gap; });
    return points;
}

CatalogueMatch findCatalogueCore(std::string_view shape, std::string_view vendor)
{
    CatalogueMatch best;
    int bestRank = 0;
    for (const CatalogWindow& window : catalogWindows()) {
        for (const StandardCore& core : window.cores) {
            if (!sameCoreSet(core.name, shape))
                continue;
            // The vendor's own core (its dimensions are those of its figures), then the
            // same designation, then any core of the set.
            const int rank = 1 + (namesVendor(core.name, vendor) ? 2 : 0)
                             + (designation(core.name) == designation(shape) ? 1 : 0);
            if (rank > bestRank) {
                best = {&window, &core};
                bestRank = rank;
            }
        }
    }
    return best;
}

}  // namespace ferricalc
