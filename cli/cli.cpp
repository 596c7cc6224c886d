#include "cli/cli.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculation.hpp"
#include "cli/advise.hpp"
#include "cli/batch.hpp"
#include "cli/report.hpp"
#include "cli/standard_core.hpp"
#include "cores/registry.hpp"
#include "store/design_file.hpp"
#include "store/user_cores.hpp"

#include <QFile>

#ifndef FERRICALC_VERSION
#define FERRICALC_VERSION "unknown"
#endif

namespace ferricalc {

namespace {

constexpr std::string_view kStandardInput = "-";

void printUsage(std::ostream& out)
{
    out << "Usage: " << kProgramName << " [--json] [--exact] CORE [--std NAME] [LETTER=TEXT ...] [DESIGN ...]\n"
        << "       " << kProgramName << " [--json] [--exact] --batch FILE\n"
        << "       " << kProgramName << " --advise --inductance UH --current A --frequency HZ [ADVICE ...]\n"
        << "       " << kProgramName << " --std-list [CORE]\n"
        << "       " << kProgramName << " --save-std NAME CORE [LETTER=TEXT ...] | --delete-std NAME | --list-std\n"
        << "       " << kProgramName << " [--json] [--exact] --design FILE [DESIGN ...]\n"
        << "       " << kProgramName << " --materials | --list | --help | --version\n\n"
        << "Computes the core constants C1 and C2 of a ferrite core and its effective\n"
        << "length Le, area Ae and volume Ve, exactly as the ferricalc window shows them.\n"
        << "Dimensions are in millimetres. A letter not given keeps its field's start\n"
        << "text: empty for the principal dimensions, 0 for those marked *.\n\n"
        << "  --std NAME    the dimensions of a standard core of CORE's catalogue, its\n"
        << "                data sheet's Le, Ae and Ve and the deviations from them;\n"
        << "                LETTER=TEXT arguments replace the catalogue's texts\n"
        << "                (then the user's own cores: a standard core of the name\n"
        << "                comes first; NAME alone finds one of the user's)\n"
        << "  --std-list    the standard cores of every core (or of CORE) with their\n"
        << "                published Le, Ae and Ve\n"
        << "  --save-std NAME  keeps CORE's dimensions as the user's own core NAME (the\n"
        << "                window's 自定义型号, shared with it); --delete-std NAME\n"
        << "                removes one, --list-std lists them\n"
        << "  --design FILE the calculation and design of a .ferricalc design file; DESIGN\n"
        << "                options replace the file's\n"
        << "  --batch FILE  one calculation per row of a CSV file (- for standard input):\n"
        << "                a header 'core,LETTER,...', then one core and its dimensions\n"
        << "                per row; writes the rows back with C1,C2,Le,Ae,Ve,error; a\n"
        << "                'std' column names a standard core whose texts fill the\n"
        << "                row's empty cells, and adds its data sheet and deviations\n"
        << "  --json        one JSON object per calculation: the texts, the numbers they\n"
        << "                read back as, and the error (null when there is none)\n"
        << "  --exact       also C1 and C2 unrounded, and Le, Ae and Ve derived from them\n"
        << "                (the window derives them from the rounded C1 and C2)\n"
        << "  --list        the cores with each field's letter, start text and meaning\n\n"
        << "Magnetic design (DESIGN, anywhere after CORE; each adds lines after the results):\n"
        << "  --mu-i MU     initial permeability (instead of, or over, the material's)\n"
        << "  --material NAME  a material of the table (--materials lists them): its\n"
        << "                mu_i, Bsat at 100 C and density; --bsat MT sets Bsat\n"
        << "  --gap MM      the air gap across the centre post (0 for none)\n"
        << "  --gap-in centre|all  the gap in the centre post only, or in every leg\n"
        << "  --turns N | --inductance UH  the turns, or the fewest for an inductance\n"
        << "  --current A   peak current: the flux density B and B_Amin\n"
        << "  --target-al NH  the gap that gives this AL\n"
        << "  Lines: Amin Aw Ap [mass] mu_e AL AL_nofringing [L N B B_Amin\n"
        << "  B_Amin_of_Bsat gap], each NAME VALUE UNIT; in a batch the same names\n"
        << "  are columns (mu_i material bsat gap gap_in turns inductance current\n"
        << "  target_al) and the figures are added before error; --json adds design\n\n"
        << "Losses and temperature rise (with the design options):\n"
        << "  --frequency HZ  the operating frequency (100k, 1.5M)\n"
        << "  --waveform sine|triangle  the flux's shape (triangle: iGSE)\n"
        << "  --duty D      a triangle's rising share of the period (0.5)\n"
        << "  --ripple A    the current's ripple, peak to peak: B_ac; --current\n"
        << "                stays the peak, so the DC current is I - ripple/2\n"
        << "  --b-ac MT     the peak AC flux density instead of the ripple\n"
        << "  --temperature C  the core's and the winding's temperature (100)\n"
        << "  --wire MM     the bare copper diameter: R_dc, P_cu and the fill\n"
        << "  --strands N   parallel strands of that wire (1)\n"
        << "  Lines: B_ac Pv P_core MLT R_dc P_cu fill Rth dT, those the inputs\n"
        << "  give; the batch columns are the options without their dashes\n"
        << "  --materials   the materials with maker, mu_i, Bsat at 25 and 100 C,\n"
        << "                density, Curie temperature, loss fit and doubts\n\n"
        << "Which core (--advise: every standard core designed for an inductor and ranked):\n"
        << "  --inductance UH, --current A (peak), --ripple A, --frequency HZ, --duty D,\n"
        << "  --temperature C, --strands N as above; --material NAME[,NAME...] (every\n"
        << "  material with a loss fit when not given)\n"
        << "  --family CORE[,CORE...]  the cores to consider (all)\n"
        << "  --max-dt K    the temperature rise allowed (40)\n"
        << "  --max-b-share PCT  B_max's share of Bsat at 100 C allowed (80)\n"
        << "  --fill PCT    the window's share the insulated wire may take (50)\n"
        << "  --rank volume|loss|mass  how the feasible are ranked (volume)\n"
        << "  --top N       that many rows (10); --all every core, with a verdict for\n"
        << "                those that miss; --csv as CSV, --json as a JSON array\n"
        << "  Columns: rank core family material gap_mm N wire_mm B_mT B_share_pct\n"
        << "  P_core_W P_cu_W dT_K Ve_mm3 [verdict]; exit status 1 when no core fits\n\n"
        << "Cores and their letters:\n";
    for (const CoreDescriptor* core : coreTypes()) {
        if (!core->available())
            continue;
        out << "  " << core->name << std::string(6 - std::min<std::size_t>(core->name.size(), 5), ' ');
        for (const FieldSpec& field : core->fields)
            out << ' ' << field.letter << (field.start == StartText::Zero ? "*" : "");
        out << "\n";
    }
    out << "\nExample: " << kProgramName << " ring A=10 B=6 h=4\n"
        << "Exit status: 0 success, 1 a calculation failed, 2 usage error (or a batch\n"
        << "that could not be read or written).\n";
}

void printList(std::ostream& out)
{
    for (const CoreDescriptor* core : coreTypes()) {
        if (core != coreTypes().front())
            out << '\n';
        out << core->name << "  " << core->optionCaption;
        if (!core->available()) {
            out << "  (not built into this version)\n";
            continue;
        }
        out << "  window \"" << core->caption << "\"\n";
        std::size_t letterWidth = 0;
        for (const FieldSpec& field : core->fields)
            letterWidth = std::max(letterWidth, field.letter.size());
        for (const FieldSpec& field : core->fields) {
            out << "  " << field.letter << std::string(letterWidth - field.letter.size() + 2, ' ')
                << (field.start == StartText::Zero ? "0      " : "empty  ") << field.meaning << '\n';
        }
    }
}

// The reason and where to read on, as command-line tools answer a usage error.
int usageError(std::ostream& err, std::string_view problem)
{
    err << kProgramName << ": " << problem << "\n"
        << "Try '" << kProgramName << " --help' for more information.\n";
    return kUsageError;
}

const CoreDescriptor* coreNamed(std::string_view name, std::ostream& err)
{
    const CoreDescriptor* core = findBuiltCore(name);
    if (core == nullptr) {
        std::string problem;
        appendUnknownCore(problem, name);
        usageError(err, problem);
    }
    return core;
}

// Puts the LETTER=TEXT arguments into `texts`; the problem with one, or empty.
std::string applyLetters(const CoreDescriptor& core, std::span<const std::string_view> letterArgs,
                         std::vector<std::string_view>& texts)
{
    std::vector<bool> given(core.fields.size(), false);
    for (const std::string_view arg : letterArgs) {
        const std::size_t equals = arg.find('=');
        if (equals == std::string_view::npos)
            return "expected LETTER=TEXT, got '" + std::string(arg) + "'";
        const std::string_view letter = arg.substr(0, equals);
        std::size_t index = 0;
        while (index < core.fields.size() && core.fields[index].letter != letter)
            ++index;
        if (index == core.fields.size())
            return "core '" + std::string(core.name) + "' has no letter '" + std::string(letter) + "'";
        if (given[index])
            return "letter '" + std::string(letter) + "' given twice";
        given[index] = true;
        texts[index] = arg.substr(equals + 1);
    }
    return {};
}

std::vector<std::string_view> startTexts(const CoreDescriptor& core)
{
    std::vector<std::string_view> texts;
    for (const FieldSpec& field : core.fields)
        texts.push_back(field.start == StartText::Zero ? "0" : "");
    return texts;
}

QString qt(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

store::UserCoreLibrary userLibrary() { return store::UserCoreLibrary(store::UserCoreLibrary::defaultPath(), Language::English); }

// The user's cores, with the library's notice (a file set aside) on standard error.
QList<store::UserCore> readUserCores(std::ostream& err)
{
    const store::LibraryRead read = userLibrary().read();
    if (!read.notice.isEmpty())
        err << kProgramName << ": " << read.notice.toStdString() << "\n";
    return read.cores;
}

const store::UserCore* userCoreNamed(const QList<store::UserCore>& cores, std::string_view name)
{
    for (const store::UserCore& core : cores)
        if (core.name == qt(name).trimmed())
            return &core;
    return nullptr;
}

// What a file or the user's library gives a calculation besides its arguments.
struct Given {
    std::vector<std::string> texts;  // the fields' texts to start from, when not the start texts
    std::string density;             // a design file's
};

int runSingle(std::span<const std::string_view> args, std::optional<std::string_view> standardName,
              const DesignTexts& designTexts, const OutputOptions& options, std::ostream& out, std::ostream& err,
              const Given& given = {})
{
    const CoreDescriptor* core = coreNamed(args.front(), err);
    if (core == nullptr)
        return kUsageError;
    const StandardCore* standard = nullptr;
    std::vector<std::string> userTexts = given.texts;
    if (standardName) {
        standard = findStandardCore(*core, *standardName);
        const QList<store::UserCore> userCores = readUserCores(err);
        const store::UserCore* own = userCoreNamed(userCores, *standardName);
        if (own != nullptr && own->family != qt(core->name))
            own = nullptr;
        if (standard != nullptr && own != nullptr)
            err << kProgramName << ": '" << *standardName
                << "' is both a standard core and one of your own; using the standard core\n";
        else if (own != nullptr)
            for (const QString& text : own->texts)
                userTexts.push_back(text.toStdString());
        else if (standard == nullptr)
            return usageError(err, unknownStandardCore(*core, *standardName));
    }

    std::vector<std::string_view> texts = startTexts(*core);
    if (standard != nullptr)
        texts.assign(standard->texts.begin(), standard->texts.end());
    else if (!userTexts.empty())
        texts.assign(userTexts.begin(), userTexts.end());
    if (const std::string problem = applyLetters(*core, args.subspan(1), texts); !problem.empty())
        return usageError(err, problem);

    DesignRequest request = readDesignRequest(designTexts, false);
    if (!request.problem.empty())
        return usageError(err, request.problem);
    if (!given.density.empty()) {
        const InputReading density = readDesignInput(DesignInput::Density, given.density, ".");
        if (density.error != DesignError::None)
            return usageError(err, "the design file's density '" + given.density + "': "
                                       + readingMessage(density, DesignInput::Density, false, Language::English, "."));
        if (density.value)
            request.inputs.density = density.value;
        request.asked = true;
    }

    const Calculation calculation = calculate(*core, texts, ".");
    const ExactResults exact = exactResults(calculation.constants);
    FailureMessages messages;
    Outcome outcome;
    outcome.core = core;
    outcome.coreText = core->name;
    outcome.fieldTexts = texts;
    outcome.calculation = &calculation;
    outcome.exact = options.exact ? &exact : nullptr;
    outcome.error = messages.describe(*core, calculation, outcome.exact);
    outcome.standard = standard;
    outcome.standardTextsKept = standard != nullptr && std::equal(texts.begin(), texts.end(), standard->texts.begin());
    outcome.designAsked = request.asked;
    std::optional<DesignOutcome> designed;
    if (request.asked && calculation.succeeded()) {
        designed = makeDesign(*core, texts, request);
        if (designed->usage)
            return usageError(err, designed->problem);
        outcome.design = &*designed;
    }
    {
        OutputBuffer buffer(out);
        if (options.json)
            writeJsonObject(buffer, outcome, -1, options.exact);
        else
            writeTextLines(buffer, outcome);
    }
    if (!outcome.error.empty())
        err << kProgramName << ": " << outcome.error << "\n";
    // What the results do not say by themselves, as the window's message line says it.
    const Advisories advisories = advise(*core, calculation, exact, Language::English, ".");
    for (const std::string* advisory : {&advisories.dimensions, &advisories.display})
        if (!advisory->empty())
            err << kProgramName << ": " << *advisory << "\n";
    if (!outcome.error.empty())
        return kCalculationFailed;
    if (designed) {
        for (const std::string& remark : designRemarks(*designed))
            err << kProgramName << ": " << remark << "\n";
        if (!designed->problem.empty()) {
            err << kProgramName << ": " << designed->problem << "\n";
            return kCalculationFailed;
        }
    }
    return kSucceeded;
}

// --save-std NAME CORE LETTER=TEXT…: the dimensions must calculate, as the window's must.
int saveUserCore(std::string_view name, std::span<const std::string_view> args, std::ostream& out,
                 std::ostream& err)
{
    if (args.empty())
        return usageError(err, "--save-std needs a CORE and its LETTER=TEXT dimensions");
    const CoreDescriptor* core = coreNamed(args.front(), err);
    if (core == nullptr)
        return kUsageError;
    std::vector<std::string_view> texts = startTexts(*core);
    if (const std::string problem = applyLetters(*core, args.subspan(1), texts); !problem.empty())
        return usageError(err, problem);
    const Calculation calculation = calculate(*core, texts, ".");
    if (!calculation.succeeded()) {
        err << kProgramName << ": not saved: " << failureMessage(*core, calculation.failure, Language::English) << "\n";
        return kCalculationFailed;
    }
    store::UserCore saved{qt(name).trimmed(), qt(core->name), {}};
    for (const std::string_view text : texts)
        saved.texts << qt(text);
    const store::UserCoreLibrary library = userLibrary();
    if (const store::ChangeResult problem = library.save(saved); !problem.isEmpty()) {
        err << kProgramName << ": " << problem.toStdString() << "\n";
        return kUsageError;
    }
    if (findStandardCore(*core, name) != nullptr)
        err << kProgramName << ": a standard core of " << core->name << " has that name too; --std finds it first\n";
    out << "saved '" << saved.name.toStdString() << "' (" << core->name << ") in " << library.path().toStdString()
        << "\n";
    return kSucceeded;
}

int deleteUserCore(std::string_view name, std::ostream& out, std::ostream& err)
{
    const store::UserCoreLibrary library = userLibrary();
    if (const store::ChangeResult problem = library.remove(qt(name).trimmed()); !problem.isEmpty()) {
        err << kProgramName << ": " << problem.toStdString() << "\n";
        return kUsageError;
    }
    out << "deleted '" << name << "' from " << library.path().toStdString() << "\n";
    return kSucceeded;
}

// One line per core: "my ETD  etd  A=34.2 B=25.6 …".
int listUserCores(std::ostream& out, std::ostream& err)
{
    for (const store::UserCore& own : readUserCores(err)) {
        const CoreDescriptor* core = findBuiltCore(own.family.toStdString());
        out << own.name.toStdString() << "  " << own.family.toStdString() << " ";
        for (qsizetype i = 0; core != nullptr && i < own.texts.size(); ++i)
            out << ' ' << core->fields[static_cast<std::size_t>(i)].letter << '=' << own.texts[i].toStdString();
        out << '\n';
    }
    return kSucceeded;
}

// --design FILE: the file's core, dimensions and design, with DESIGN options given replacing the file's.
int runDesignFile(std::string_view path, const DesignTexts& optionTexts, const OutputOptions& options,
                  std::ostream& out, std::ostream& err)
{
    QFile file(qt(path));
    if (!file.open(QIODevice::ReadOnly)) {
        err << kProgramName << ": cannot open '" << path << "': " << file.errorString().toStdString() << "\n";
        return kUsageError;
    }
    const store::DesignFileRead read = store::readDesignFile(file.readAll());
    if (!read.problem.empty())
        return usageError(err, std::string(path) + ": " + read.problem);
    if (const std::string ignored = store::ignoredLine(read); !ignored.empty())
        err << kProgramName << ": " << path << ": " << ignored << "\n";
    DesignTexts texts = read.file.designTexts();
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (!optionTexts[i].empty())
            texts[i] = optionTexts[i];
    const std::array<std::string_view, 1> coreArg{read.file.core};
    return runSingle(coreArg, std::nullopt, texts, options, out, err, Given{read.file.fieldTexts, read.file.density});
}

int runBatchFile(std::string_view path, const OutputOptions& options, std::ostream& out, std::ostream& err)
{
    if (path == kStandardInput)
        return runBatch(std::cin, out, err, options);
    std::ifstream file{std::string(path), std::ios::binary};
    if (!file.is_open()) {
        err << kProgramName << ": cannot open '" << path << "': " << std::strerror(errno) << "\n";
        return kUsageError;
    }
    return runBatch(file, out, err, options);
}

}  // namespace

int runCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err)
{
    OutputOptions options;
    bool help = false;
    bool version = false;
    bool list = false;
    bool standardList = false;
    std::optional<std::string_view> standardName;
    std::optional<std::string_view> batchPath;
    std::vector<std::string_view> calculation;  // CORE and its LETTER=TEXT arguments
    bool materialList = false;
    bool userList = false;
    std::optional<std::string_view> saveName;
    std::optional<std::string_view> deleteName;
    std::optional<std::string_view> designPath;
    DesignTexts designTexts{};
    std::optional<std::string_view> firstDesignOption;
    bool advising = false;
    AdviseRequest advice;

    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // An option with a value, "--gap 0.5" or "--gap=0.5", given once.
        const auto takeValue = [&](std::string_view name, std::string_view& text) -> std::optional<int> {
            if (!text.empty())
                return usageError(err, std::string(name) + " given twice");
            if (arg == name && i + 1 == args.size())
                return usageError(err, std::string(name) + " needs a value");
            text = arg == name ? args[++i] : arg.substr(name.size() + 1);
            if (text.empty())
                return usageError(err, std::string(name) + " needs a value");
            return std::nullopt;
        };
        if (const int option = designOptionOf(arg); option >= 0) {
            const std::string_view name = kDesignOptions[static_cast<std::size_t>(option)].option;
            if (const std::optional<int> status = takeValue(name, designTexts[static_cast<std::size_t>(option)]))
                return *status;
            firstDesignOption = firstDesignOption.value_or(name);
            continue;
        }
        if (const int option = adviseOptionOf(arg); option >= 0) {
            if (const std::optional<int> status = takeValue(kAdviseOptions[static_cast<std::size_t>(option)],
                                                            advice.texts[static_cast<std::size_t>(option)]))
                return *status;
            continue;
        }
        if (arg == "--advise") {
            advising = true;
        } else if (arg == "--all") {
            advice.all = true;
        } else if (arg == "--csv") {
            advice.csv = true;
        } else if (arg == "--materials") {
            materialList = true;
        } else if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (arg == "--list") {
            list = true;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--exact") {
            options.exact = true;
        } else if (arg == "--batch") {
            if (i + 1 == args.size())
                return usageError(err, "--batch needs a FILE (- for standard input)");
            batchPath = args[++i];
        } else if (arg.starts_with("--batch=")) {
            batchPath = arg.substr(arg.find('=') + 1);
        } else if (arg == "--list-std") {
            userList = true;
        } else if (arg == "--save-std" || arg == "--delete-std" || arg == "--design") {
            if (i + 1 == args.size())
                return usageError(err, std::string(arg) + (arg == "--design" ? " needs a FILE" : " needs a NAME"));
            std::optional<std::string_view>& value = arg == "--save-std"     ? saveName
                                                     : arg == "--delete-std" ? deleteName
                                                                             : designPath;
            if (value)
                return usageError(err, std::string(arg) + " given twice");
            value = args[++i];
            if (value->empty())
                return usageError(err, std::string(arg) + " needs a value");
        } else if (arg == "--std-list") {
            standardList = true;
        } else if (arg == "--std" || arg.starts_with("--std=")) {
            if (standardName)
                return usageError(err, "--std given twice");
            if (arg == "--std" && i + 1 == args.size())
                return usageError(err, "--std needs the NAME of a standard core (--std-list lists them)");
            standardName = arg == "--std" ? args[++i] : arg.substr(arg.find('=') + 1);
        } else if (arg.starts_with("--")) {
            return usageError(err, "unknown option '" + std::string(arg) + "'");
        } else {
            calculation.push_back(arg);
        }
    }

    if (help) {
        printUsage(out);
        return kSucceeded;
    }
    if (version) {
        out << kProgramName << ' ' << FERRICALC_VERSION << '\n';
        return kSucceeded;
    }
    if (list) {
        printList(out);
        return kSucceeded;
    }
    if (materialList) {
        writeMaterialList(out);
        return kSucceeded;
    }
    if (standardList) {
        if (calculation.size() > 1)
            return usageError(err, "--std-list takes at most one CORE");
        const CoreDescriptor* core = calculation.empty() ? nullptr : coreNamed(calculation.front(), err);
        if (!calculation.empty() && core == nullptr)
            return kUsageError;
        writeStandardCoreList(out, core);
        return kSucceeded;
    }
    if (advising) {
        if (!calculation.empty() || standardName || batchPath)
            return usageError(err, "--advise designs every standard core itself: give no CORE, --std or --batch");
        advice.design = designTexts;
        advice.json = options.json;
        return runAdvise(advice, out, err);
    }
    if (advice.all || advice.csv || std::any_of(advice.texts.begin(), advice.texts.end(),
                                               [](std::string_view text) { return !text.empty(); }))
        return usageError(err, "--all, --csv, --family, --max-dt, --max-b-share, --fill, --rank and --top go with --advise");
    if (userList)
        return listUserCores(out, err);
    if (deleteName)
        return deleteUserCore(*deleteName, out, err);
    if (saveName)
        return saveUserCore(*saveName, calculation, out, err);
    if (designPath) {
        if (!calculation.empty() || standardName || batchPath)
            return usageError(err, "--design takes its core and dimensions from the file");
        return runDesignFile(*designPath, designTexts, options, out, err);
    }
    if (batchPath) {
        if (!calculation.empty())
            return usageError(err, "--batch takes its cores from the file, not '" + std::string(calculation.front()) + "'");
        if (standardName)
            return usageError(err, "--std names one core; in a batch, give each row's in a 'std' column");
        if (firstDesignOption)
            return usageError(err, std::string(*firstDesignOption) + ": in a batch, give the design in columns");
        return runBatchFile(*batchPath, options, out, err);
    }
    // --std NAME alone: one of the user's own cores knows its family.
    std::string ownFamily;
    if (calculation.empty() && standardName) {
        const QList<store::UserCore> userCores = readUserCores(err);
        if (const store::UserCore* own = userCoreNamed(userCores, *standardName))
            ownFamily = own->family.toStdString();
        if (!ownFamily.empty())
            calculation.push_back(ownFamily);
    }
    if (calculation.empty())
        return usageError(err, standardName ? "--std needs a CORE, as in: etd --std ETD34-Z"
                                            : "no core given");
    return runSingle(calculation, standardName, designTexts, options, out, err);
}

}  // namespace ferricalc
