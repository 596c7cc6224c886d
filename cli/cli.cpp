#include "cli/cli.hpp"

#include <string>
#include <vector>

#include "calc/calculation.hpp"
#include "cores/registry.hpp"

namespace ferricalc {

namespace {

constexpr std::string_view kProgram = "ferricalc-cli";

void printUsage(std::ostream& out)
{
    out << "Usage: " << kProgram << " CORE [LETTER=TEXT ...]\n"
        << "       " << kProgram << " --help\n\n"
        << "Computes the core constants C1 and C2 of a ferrite core and its effective\n"
        << "length Le, area Ae and volume Ve, exactly as the ferricalc window shows them.\n"
        << "Dimensions are in millimetres. A letter not given keeps its field's start\n"
        << "text: empty for the principal dimensions, 0 for those marked *.\n\n"
        << "Cores and their letters:\n";
    for (const CoreDescriptor* core : coreTypes()) {
        if (!core->available())
            continue;
        out << "  " << core->name << std::string(6 - std::min<std::size_t>(core->name.size(), 5), ' ');
        for (const FieldSpec& field : core->fields)
            out << ' ' << field.letter << (field.start == StartText::Zero ? "*" : "");
        out << "\n";
    }
    out << "\nExample: " << kProgram << " ring A=10 B=6 h=4\n"
        << "Exit status: 0 success, 1 the calculation failed, 2 usage error.\n";
}

int usageError(std::ostream& err, const std::string& problem)
{
    err << kProgram << ": " << problem << "\n";
    printUsage(err);
    return kUsageError;
}

}  // namespace

int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return usageError(err, "no core given");
    if (args.front() == "--help" || args.front() == "-h") {
        printUsage(out);
        return kSucceeded;
    }

    const CoreDescriptor* core = findCoreType(args.front());
    if (core == nullptr || !core->available())
        return usageError(err, "unknown core '" + std::string(args.front()) + "'");

    std::vector<std::string_view> texts;
    std::vector<bool> given(core->fields.size(), false);
    for (const FieldSpec& field : core->fields)
        texts.push_back(field.start == StartText::Zero ? "0" : "");
    for (const std::string_view arg : args.subspan(1)) {
        const std::size_t equals = arg.find('=');
        if (equals == std::string_view::npos)
            return usageError(err, "expected LETTER=TEXT, got '" + std::string(arg) + "'");
        const std::string_view letter = arg.substr(0, equals);
        std::size_t index = 0;
        while (index < core->fields.size() && core->fields[index].letter != letter)
            ++index;
        if (index == core->fields.size())
            return usageError(err, "core '" + std::string(core->name) + "' has no letter '" + std::string(letter) + "'");
        if (given[index])
            return usageError(err, "letter '" + std::string(letter) + "' given twice");
        given[index] = true;
        texts[index] = arg.substr(equals + 1);
    }

    const Calculation result = calculate(*core, texts, ".");
    for (int i = 0; i < result.written; ++i)
        out << kQuantityNames[static_cast<std::size_t>(i)] << ' ' << result.texts[static_cast<std::size_t>(i)].view()
            << '\n';
    if (result.succeeded())
        return kSucceeded;
    err << kProgram << ": " << failureMessage(*core, result.failure, Language::English) << "\n";
    return kCalculationFailed;
}

}  // namespace ferricalc
