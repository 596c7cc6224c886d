#include "cores/materials.hpp"

#include "cores/names.hpp"

namespace ferricalc {

const Material* findMaterial(std::string_view name)
{
    const std::string wanted = comparableName(name);
    for (const Material& material : materials())
        if (!wanted.empty() && comparableName(material.name) == wanted)
            return &material;
    return nullptr;
}

}  // namespace ferricalc
