#include "cores/registry.hpp"

#include "cores/ring.hpp"
#include "cores/uf.hpp"
#include "cores/uy.hpp"
#include "cores/uyf.hpp"
#include "cores/ee.hpp"
#include "cores/rm.hpp"
#include "cores/etd.hpp"
#include "cores/pot.hpp"
#include "cores/ep.hpp"
#include "cores/ui.hpp"
#include "cores/ei.hpp"
#include "cores/ed.hpp"

namespace ferricalc {

namespace {

constinit const std::array<const CoreDescriptor*, kCoreTypeCount> kCoreTypes{
    &ring::descriptor,
    &uf::descriptor,
    &uy::descriptor,
    &uyf::descriptor,
    &ee::descriptor,
    &rm::descriptor,
    &etd::descriptor,
    &pot::descriptor,
    &ep::descriptor,
    &ui::descriptor,
    &ei::descriptor,
    &ed::descriptor,
};

}  // namespace

const CoreDescriptor& coreType(int optionIndex) { return *kCoreTypes.at(static_cast<std::size_t>(optionIndex)); }

const std::array<const CoreDescriptor*, kCoreTypeCount>& coreTypes() { return kCoreTypes; }

const CoreDescriptor* findCoreType(std::string_view name)
{
    for (const CoreDescriptor* core : kCoreTypes)
        if (core->name == name)
            return core;
    return nullptr;
}

}  // namespace ferricalc
