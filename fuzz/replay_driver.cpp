// A stand-in for libFuzzer's own main, so that the fuzz targets run in the
// ordinary g++ build as a short smoke test: it replays every seed and crash
// file it is given, then feeds the target mutated inputs for a bounded time.
//
// Usage: TARGET [--seconds=S] [--seed=N] [--max-len=N] [--dict=FILE] PATH...
// where each PATH is a corpus directory or a single input file. The seed and
// the time may also come from FERRICALC_FUZZ_SEED and FERRICALC_FUZZ_SECONDS.
// A broken invariant aborts inside the target, which prints the input.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "fuzz_support.hpp"

namespace {

namespace fs = std::filesystem;

struct Options {
    double seconds = 0.0;
    std::uint64_t seed = 1;
    std::size_t maxLength = 4096;
    std::string dictionary;
    std::vector<std::string> paths;
};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The entries of a libFuzzer dictionary: one quoted token a line, optionally
// named (name="token"), with \\, \" and \xNN escapes; '#' starts a comment.
std::vector<std::string> readDictionary(const std::string& path)
{
    std::vector<std::string> tokens;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t open = line.find('"');
        const std::size_t close = line.rfind('"');
        if (line.starts_with('#') || open == std::string::npos || close <= open)
            continue;
        std::string token;
        for (std::size_t i = open + 1; i < close; ++i) {
            if (line[i] != '\\' || i + 1 >= close) {
                token += line[i];
            } else if (line[i + 1] == 'x' && i + 3 < close) {
                token += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
                i += 3;
            } else {
                token += line[++i];
            }
        }
        tokens.push_back(token);
    }
    return tokens;
}

int run(const std::string& input)
{
    return LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

class Mutator {
public:
    Mutator(std::uint64_t seed, const std::vector<std::string>& corpus, const std::vector<std::string>& dictionary,
            std::size_t maxLength)
        : m_random(seed), m_corpus(corpus), m_dictionary(dictionary), m_maxLength(maxLength)
    {
    }

    std::string next()
    {
        if (m_corpus.empty() || below(16) == 0)
            return randomBytes(below(64));
        std::string input = m_corpus[below(m_corpus.size())];
        const std::size_t steps = 1 + below(6);
        for (std::size_t step = 0; step < steps; ++step)
            mutate(input);
        if (input.size() > m_maxLength)
            input.resize(m_maxLength);
        return input;
    }

private:
    std::size_t below(std::size_t bound) { return bound == 0 ? 0 : static_cast<std::size_t>(m_random() % bound); }
    char anyByte() { return static_cast<char>(below(256)); }

    std::string randomBytes(std::size_t length)
    {
        std::string bytes(length, '\0');
        for (char& c : bytes)
            c = anyByte();
        return bytes;
    }

    const std::string& token()
    {
        static const std::string kNone = "0";
        return m_dictionary.empty() ? kNone : m_dictionary[below(m_dictionary.size())];
    }

    void mutate(std::string& input)
    {
        static constexpr std::string_view kNumberBytes = "0123456789+-.,eE \t\n";
        const std::size_t at = below(input.size() + 1);
        switch (below(9)) {
        case 0:
            input.insert(at, token());
            break;
        case 1:
            input.insert(input.begin() + static_cast<std::ptrdiff_t>(at), anyByte());
            break;
        case 2:
            input.erase(at, 1 + below(8));
            break;
        case 3:
            if (at < input.size())
                input[at] = kNumberBytes[below(kNumberBytes.size())];
            break;
        case 4:
            if (at < input.size())
                input[at] = static_cast<char>(input[at] ^ (1 << below(8)));
            break;
        case 5: {  // a piece of the input again, elsewhere
            const std::size_t from = below(input.size() + 1);
            input.insert(below(input.size() + 1), input.substr(from, 1 + below(16)));
            break;
        }
        case 6: {  // a piece of another input
            const std::string& other = m_corpus[below(m_corpus.size())];
            input.insert(at, other.substr(below(other.size() + 1), 1 + below(32)));
            break;
        }
        case 7: {  // a very long text
            std::string repeated;
            const std::string& piece = token();
            for (std::size_t count = 1 + below(600); count > 0 && repeated.size() < m_maxLength; --count)
                repeated += piece;
            input.insert(at, repeated);
            break;
        }
        default:
            input.resize(at);
            break;
        }
    }

    std::mt19937_64 m_random;
    const std::vector<std::string>& m_corpus;
    const std::vector<std::string>& m_dictionary;
    std::size_t m_maxLength;
};

bool parseOptions(int argc, char* argv[], Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const auto value = [&arg](std::string_view name) { return std::string(arg.substr(name.size())); };
        if (arg.starts_with("--seconds="))
            options.seconds = std::strtod(value("--seconds=").c_str(), nullptr);
        else if (arg.starts_with("--seed="))
            options.seed = std::strtoull(value("--seed=").c_str(), nullptr, 10);
        else if (arg.starts_with("--max-len="))
            options.maxLength = std::strtoull(value("--max-len=").c_str(), nullptr, 10);
        else if (arg.starts_with("--dict="))
            options.dictionary = value("--dict=");
        else if (arg.starts_with("--"))
            return false;
        else
            options.paths.emplace_back(arg);
    }
    if (const char* seed = std::getenv("FERRICALC_FUZZ_SEED"))
        options.seed = std::strtoull(seed, nullptr, 10);
    if (const char* seconds = std::getenv("FERRICALC_FUZZ_SECONDS"))
        options.seconds = std::strtod(seconds, nullptr);
    return !options.paths.empty();
}

}  // namespace

int main(int argc, char* argv[])
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--seconds=S] [--seed=N] [--max-len=N] [--dict=FILE] CORPUS_OR_FILE...\n",
                     argv[0]);
        return 2;
    }

    std::vector<std::string> corpus;
    for (const std::string& path : options.paths) {
        std::vector<fs::path> files;
        if (fs::is_directory(path)) {
            for (const fs::directory_entry& entry : fs::directory_iterator(path))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            std::sort(files.begin(), files.end());
        } else if (fs::is_regular_file(path)) {
            files.emplace_back(path);
        } else {
            std::fprintf(stderr, "%s: no such corpus or file: %s\n", argv[0], path.c_str());
            return 2;
        }
        for (const fs::path& file : files) {
            corpus.push_back(readFile(file));
            run(corpus.back());
        }
    }
    const std::vector<std::string> dictionary =
        options.dictionary.empty() ? std::vector<std::string>{} : readDictionary(options.dictionary);

    std::printf("%s: seed %llu, replayed %zu inputs\n", argv[0], static_cast<unsigned long long>(options.seed),
                corpus.size());
    std::fflush(stdout);

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const auto elapsed = [&start] { return std::chrono::duration<double>(Clock::now() - start).count(); };
    Mutator mutator(options.seed, corpus, dictionary, options.maxLength);
    std::uint64_t executions = 0;
    while (options.seconds > 0 && (executions % 64 != 0 || elapsed() < options.seconds)) {
        run(mutator.next());
        ++executions;
    }
    std::printf("%s: %llu mutated inputs in %.1f s, no invariant broken\n", argv[0],
                static_cast<unsigned long long>(executions), elapsed());
    return 0;
}
