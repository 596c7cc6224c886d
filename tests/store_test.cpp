// The user's work kept between runs: the library of their own cores and its
// faults, the design file, and the command line over both.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <csignal>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli/cli.hpp"
#include "cores/catalog.hpp"
#include "cores/registry.hpp"
#include "store/design_file.hpp"
#include "store/user_cores.hpp"

namespace ferricalc {
namespace {

using store::UserCore;
using store::UserCoreLibrary;

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The files set aside beside the library.
QStringList setAside(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList({QStringLiteral("cores.json.bad-*")}, QDir::Files);
}

const UserCore kRing{QStringLiteral("my ring"), QStringLiteral("ring"),
                     {QStringLiteral("10"), QStringLiteral("6"), QStringLiteral("4"), QStringLiteral("0"),
                      QStringLiteral("0"), QStringLiteral("0")}};

UserCore ringNamed(const QString& name)
{
    UserCore core = kRing;
    core.name = name;
    return core;
}

class UserLibrary : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("cores.json")); }
    UserCoreLibrary library() const { return UserCoreLibrary(path(), Language::English); }
};

TEST_F(UserLibrary, SavesRenamesAndDeletes)
{
    ASSERT_EQ(library().save(kRing), QString());
    ASSERT_EQ(library().rename(kRing.name, QStringLiteral("ring 10")), QString());
    EXPECT_NE(library().rename(QStringLiteral("none"), QStringLiteral("x")), QString());
    const store::LibraryRead read = library().read();
    ASSERT_EQ(read.cores.size(), 1);
    EXPECT_EQ(read.cores[0].name, QStringLiteral("ring 10"));
    EXPECT_EQ(read.cores[0].texts, kRing.texts);
    EXPECT_EQ(read.notice, QString());
    ASSERT_EQ(library().remove(QStringLiteral("ring 10")), QString());
    EXPECT_TRUE(library().read().cores.isEmpty());
}

// A copy that read the library before another saved keeps the other's core when it saves.
TEST_F(UserLibrary, AWriterReadsAgainBeforeWriting)
{
    const UserCoreLibrary first = library();
    const UserCoreLibrary second = library();
    (void)first.read();
    ASSERT_EQ(second.save(ringNamed(QStringLiteral("second's"))), QString());
    ASSERT_EQ(first.save(ringNamed(QStringLiteral("first's"))), QString());
    EXPECT_EQ(library().read().cores.size(), 2);
}

// Two processes saving at once, each many times: no save is lost.
TEST_F(UserLibrary, TwoRunningCopiesKeepEachOthersSaves)
{
    constexpr int kSaves = 20;
    std::vector<pid_t> children;
    for (const char* who : {"a", "b"}) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            bool ok = true;
            for (int i = 0; i < kSaves; ++i)
                ok = library().save(ringNamed(QStringLiteral("%1%2").arg(QLatin1String(who)).arg(i))).isEmpty() && ok;
            _exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(library().read().cores.size(), 2 * kSaves);
}

// A program killed after writing the new library but before the rename leaves the old one whole.
TEST_F(UserLibrary, AKillBetweenWriteAndRenameLeavesTheOldFile)
{
    ASSERT_EQ(library().save(kRing), QString());
    const QByteArray before = contents(path());
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QSaveFile file(path());
        file.open(QIODevice::WriteOnly);
        file.write(QByteArray(4096, 'x'));
        file.flush();
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(contents(path()), before);
    EXPECT_EQ(library().read().cores.size(), 1);
}

struct BadFile {
    const char* name;
    QByteArray bytes;  // "%TRUNCATED%" stands for a good library cut in half
    int coresRead;     // what the program goes on with
};

void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

class UnreadableLibrary : public UserLibrary, public testing::WithParamInterface<BadFile> {};

// The file is kept beside, byte for byte; the user is told; what could be read
// is used, and the next save writes a library that reads whole.
TEST_P(UnreadableLibrary, IsKeptBesideAndNeverWrittenOver)
{
    QByteArray bytes = GetParam().bytes;
    if (bytes == "%TRUNCATED%") {
        ASSERT_EQ(library().save(kRing), QString());
        bytes = contents(path()).left(contents(path()).size() / 2);
    }
    put(path(), bytes);
    const store::LibraryRead read = library().read();
    EXPECT_NE(read.notice, QString());
    EXPECT_EQ(read.cores.size(), GetParam().coresRead);
    const QStringList aside = setAside(dir);
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(contents(dir.filePath(aside[0])), bytes);

    ASSERT_EQ(library().save(ringNamed(QStringLiteral("new"))), QString());
    const store::LibraryRead after = library().read();
    EXPECT_EQ(after.notice, QString());
    EXPECT_EQ(after.cores.size(), GetParam().coresRead + 1);
    EXPECT_EQ(contents(dir.filePath(aside[0])), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, UnreadableLibrary,
    testing::Values(
        BadFile{"corrupt", "{\"format\": \"ferricalc-cores\", \"version\": 1, \"cores\": [{]]]", 0},
        BadFile{"truncated", "%TRUNCATED%", 0},
        BadFile{"of_a_later_version", "{\"format\": \"ferricalc-cores\", \"version\": 2, \"cores\": []}", 0},
        BadFile{"not_ours", "{\"settings\": true}", 0},
        BadFile{"binary", QByteArray("\x00\xff\x10", 3), 0},
        BadFile{"with_one_unreadable_entry",
                "{\"format\": \"ferricalc-cores\", \"version\": 1, \"cores\": ["
                "{\"name\": \"good\", \"core\": \"ring\", \"fields\": {\"A\": \"10\", \"B\": \"6\", \"h\": \"4\","
                " \"r3\": \"0\", \"a\": \"0\", \"b\": \"0\"}},"
                "{\"name\": \"bad\", \"core\": \"no such core\", \"fields\": {}}]}",
                1}),
    [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

// A directory that cannot be written: an error message, the library as it was.
TEST_F(UserLibrary, AReadOnlyDirectoryIsAnErrorNotALoss)
{
    ASSERT_EQ(library().save(kRing), QString());
    const QByteArray before = contents(path());
    chmod(QFile::encodeName(dir.path()).constData(), 0555);
    const bool enforced = access(QFile::encodeName(dir.path()).constData(), W_OK) != 0;
    const QString problem = library().save(ringNamed(QStringLiteral("new")));
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    if (!enforced)
        GTEST_SKIP() << "this user writes into read-only directories";
    EXPECT_NE(problem, QString());
    EXPECT_EQ(contents(path()), before);
}

// Where the directory should be there is a file: no directory can be made.
TEST_F(UserLibrary, ADirectoryThatCannotBeMadeIsAnError)
{
    put(dir.filePath(QStringLiteral("blocked")), "a file");
    const UserCoreLibrary blocked(dir.filePath(QStringLiteral("blocked/cores.json")), Language::English);
    EXPECT_NE(blocked.save(kRing), QString());
    EXPECT_TRUE(blocked.read().cores.isEmpty());
}

// ---- design files ------------------------------------------------------------

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun runOn(std::vector<std::string> args)
{
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCli(views, out, err);
    return {status, out.str(), err.str()};
}

class DesignFileRoundTrip : public testing::TestWithParam<const CoreDescriptor*> {};

// Saved and opened again, a design gives the command line the very figures its options give.
TEST_P(DesignFileRoundTrip, OpensWithTheSameFigures)
{
    const CoreDescriptor& core = *GetParam();
    ASSERT_FALSE(standardCores(core).empty());
    const StandardCore& standard = standardCores(core).front();
    store::DesignFile file;
    file.core = core.name;
    file.fieldTexts.assign(standard.texts.begin(), standard.texts.end());
    file.design[MaterialOption] = "N87";
    file.design[GapOption] = "0.1";
    file.design[TurnsOption] = "12";
    file.design[CurrentOption] = "0.5";
    file.design[FrequencyOption] = "100000";
    file.design[WaveformOption] = "triangle";

    const store::DesignFileRead read = store::readDesignFile(store::writeDesignFile(file));
    ASSERT_EQ(read.problem, "");
    EXPECT_TRUE(read.ignored.empty());
    EXPECT_EQ(read.file.fieldTexts, file.fieldTexts);
    EXPECT_EQ(read.file.design, file.design);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("design.ferricalc"));
    put(path, store::writeDesignFile(file));
    std::vector<std::string> byOptions{std::string(core.name), "--material", "N87", "--gap", "0.1", "--turns", "12",
                                       "--current", "0.5", "--frequency", "100000", "--waveform", "triangle"};
    for (std::size_t i = 0; i < core.fields.size(); ++i)
        byOptions.push_back(std::string(core.fields[i].letter) + "=" + std::string(standard.texts[i]));
    const CliRun opened = runOn({"--design", path.toStdString()});
    const CliRun given = runOn(byOptions);
    EXPECT_EQ(opened.status, given.status);
    EXPECT_EQ(opened.out, given.out);
    EXPECT_NE(opened.out.find("AL "), std::string::npos);
    EXPECT_NE(opened.out.find("MLT "), std::string::npos);  // the losses' lines too
}

std::vector<const CoreDescriptor*> builtCores()
{
    std::vector<const CoreDescriptor*> built;
    for (const CoreDescriptor* core : coreTypes())
        if (core->available())
            built.push_back(core);
    return built;
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, DesignFileRoundTrip, testing::ValuesIn(builtCores()),
                         [](const testing::TestParamInfo<const CoreDescriptor*>& info) {
                             return std::string(info.param->name);
                         });

TEST(DesignFile, FromALaterVersionOpensWhatItCanAndSaysWhatItIgnored)
{
    const store::DesignFileRead read = store::readDesignFile(
        R"({"format": "ferricalc-design", "version": 7, "core": "ring", "dimensions": {"A": 10, "B": "6", "Z": "1"},
            "design": {"gap": "0.2", "winding": "litz"}, "losses": {"frequency": "1e5"}, "report": {}})");
    ASSERT_EQ(read.problem, "");
    EXPECT_EQ(read.file.fieldTexts[0], "10");
    EXPECT_EQ(read.file.design[GapOption], "0.2");
    EXPECT_EQ(read.file.design[FrequencyOption], "1e5");
    const std::string line = store::ignoredLine(read);
    for (const char* ignored : {"version 7", "dimensions.Z", "design.winding", "report"})
        EXPECT_NE(line.find(ignored), std::string::npos) << line;
}

TEST(DesignFile, NotADesignFileOpensNothing)
{
    for (const char* bytes : {"", "{\"format\": \"ferricalc-design\", \"core\": \"none\"}", "[1, 2]", "{\"a\":"})
        EXPECT_NE(store::readDesignFile(bytes).problem, "") << bytes;
}

// ---- the command line over the user's library ----------------------------------

class UserCoresOnTheCommandLine : public testing::Test {
protected:
    void SetUp() override
    {
        m_saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path()));
    }
    void TearDown() override
    {
        if (m_saved.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_saved);
    }

private:
    QTemporaryDir m_dir;
    QByteArray m_saved;
};

TEST_F(UserCoresOnTheCommandLine, SavesListsFindsAndDeletes)
{
    const CliRun byLetters = runOn({"ring", "A=10", "B=6", "h=4"});
    EXPECT_EQ(runOn({"--save-std", "mine", "ring", "A=10", "B=6", "h=4"}).status, 0);
    EXPECT_EQ(runOn({"--list-std"}).out, "mine  ring  A=10 B=6 h=4 r3=0 a=0 b=0\n");
    EXPECT_EQ(runOn({"ring", "--std", "mine"}).out, byLetters.out);
    EXPECT_EQ(runOn({"--std", "mine"}).out, byLetters.out);  // the family is the core's own
    EXPECT_EQ(runOn({"ee", "--std", "mine"}).status, 2);
    EXPECT_EQ(runOn({"--save-std", "bad", "ring", "A=x"}).status, 1);  // dimensions that do not calculate
    EXPECT_EQ(runOn({"--delete-std", "mine"}).status, 0);
    EXPECT_EQ(runOn({"--delete-std", "mine"}).status, 2);
    EXPECT_EQ(runOn({"ring", "--std", "mine"}).status, 2);
}

TEST_F(UserCoresOnTheCommandLine, AStandardCoreOfTheSameNameComesFirstAndIsNamed)
{
    const CoreDescriptor& etd = *findCoreType("etd");
    const std::string name(standardCores(etd).front().name);
    const CliRun standard = runOn({"etd", "--std", name});
    const CliRun saved = runOn({"--save-std", name, "etd", "A=35", "B=26", "C=11", "D=11", "E=12", "F=17.5"});
    EXPECT_EQ(saved.status, 0);
    EXPECT_NE(saved.err.find("standard core"), std::string::npos);
    const CliRun both = runOn({"etd", "--std", name});
    EXPECT_EQ(both.out, standard.out);
    EXPECT_NE(both.err.find("using the standard core"), std::string::npos);
}

}  // namespace
}  // namespace ferricalc
