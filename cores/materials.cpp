#include "cores/materials.hpp"

#include "cores/names.hpp"

namespace ferricalc {

const Material* findMaterial(std::span<const Material> table, std::string_view name)
{
    std::string_view maker;
    if (const auto colon = name.find(':'); colon != std::string_view::npos) {
        maker = name.substr(0, colon);
        name = name.substr(colon + 1);
        if (comparableName(maker).empty())
            return nullptr;
    }
    const std::string wantedName = comparableName(name);
    const std::string wantedMaker = comparableName(maker);
    if (wantedName.empty())
        return nullptr;
    const Material* found = nullptr;
    for (const Material& material : table) {
        if (comparableName(material.name) != wantedName)
            continue;
        if (!wantedMaker.empty() && comparableName(material.manufacturer) != wantedMaker)
            continue;
        if (found)
            return nullptr;  // two makers' materials: the maker must be named
        found = &material;
    }
    return found;
}

const Material* findMaterial(std::string_view name) { return findMaterial(materials(), name); }

}  // namespace ferricalc
