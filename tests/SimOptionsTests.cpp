#include "cli/SimOptions.h"
#include "core/circuits/CircuitCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <iterator>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

CSimOptions Parsed(const std::vector<std::string>& args)
{
    const CSimParse parse = ParseSimOptions(args);
    EXPECT_TRUE(parse.options.has_value()) << parse.strError;
    EXPECT_TRUE(parse.strError.empty());
    return parse.options.value_or(CSimOptions{});
}

// The error for a rejected command line; empty (and a failure) if it was accepted.
std::string ErrorOf(const std::vector<std::string>& args)
{
    const CSimParse parse = ParseSimOptions(args);
    EXPECT_FALSE(parse.options.has_value());
    return parse.strError;
}

void ExpectRejectedNaming(const std::vector<std::string>& args, const std::string& option)
{
    std::string line;
    for (const std::string& a : args)
        line += a + " ";
    const std::string error = ErrorOf(args);
    EXPECT_NE(error.find(option), std::string::npos) << "args: " << line << "error: " << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << "args: " << line;
}

}

// --- accepted command lines ---

TEST(SimOptions, NoArgumentsGiveTheDefaults)
{
    const CSimOptions o = Parsed({});
    EXPECT_EQ(o.nCircuit, 1);
    EXPECT_FALSE(o.cells.has_value());
    EXPECT_FALSE(o.bReverse || o.bVary || o.bNoPulsate || o.bSwitchOpen || o.bTag || o.bLabels);
    EXPECT_EQ(o.nResistor, 0);
    EXPECT_EQ(o.nTicks, 0);
    EXPECT_EQ(o.nEvery, 0);
    EXPECT_EQ(o.nRegions, 0);
    EXPECT_EQ(o.nWidth, 800);
    EXPECT_EQ(o.nHeight, 600);
    EXPECT_EQ(o.mode, DisplayMode::BallModel);
    EXPECT_FALSE(o.Renders());
}

TEST(SimOptions, CircuitAndCellsAcceptTheirWholeRange)
{
    EXPECT_EQ(Parsed({"--circuit", "1"}).nCircuit, 1);
    const int last = static_cast<int>(CircuitCatalogue().size());
    EXPECT_EQ(Parsed({"--circuit", std::to_string(last)}).nCircuit, last);
    for (int n = 0; n <= 3; ++n)
        EXPECT_EQ(Parsed({"--cells", std::to_string(n)}).cells, n);
}

TEST(SimOptions, FlagsAreSet)
{
    const CSimOptions o = Parsed({"--reverse", "--vary", "--no-pulsate", "--switch-open", "--tag"});
    EXPECT_TRUE(o.bReverse);
    EXPECT_TRUE(o.bVary);
    EXPECT_TRUE(o.bNoPulsate);
    EXPECT_TRUE(o.bSwitchOpen);
    EXPECT_TRUE(o.bTag);
}

TEST(SimOptions, CountsAndResolution)
{
    const CSimOptions o = Parsed({"--ticks", "1500", "--every", "100", "--regions", "4", "--resistor", "-3"});
    EXPECT_EQ(o.nTicks, 1500);
    EXPECT_EQ(o.nEvery, 100);
    EXPECT_EQ(o.nRegions, 4);
    EXPECT_EQ(o.nResistor, -3);
    EXPECT_EQ(Parsed({"--ticks", "0"}).nTicks, 0);
    EXPECT_EQ(Parsed({"--every", "1"}).nEvery, 1);
    EXPECT_EQ(Parsed({"--ticks", "10000000000"}).nTicks, 10000000000LL);
}

TEST(SimOptions, RenderingOptions)
{
    const CSimOptions o = Parsed({"--png", "out.png", "--size", "640x480", "--mode", "diagram", "--labels"});
    EXPECT_EQ(o.strPng, "out.png");
    EXPECT_EQ(o.nWidth, 640);
    EXPECT_EQ(o.nHeight, 480);
    EXPECT_EQ(o.mode, DisplayMode::Diagram);
    EXPECT_TRUE(o.bLabels);
    EXPECT_TRUE(o.Renders());

    EXPECT_EQ(Parsed({"--png", "a.png", "--mode", "ball"}).mode, DisplayMode::BallModel);
    EXPECT_EQ(Parsed({"--png", "a.png", "--mode", "picture"}).mode, DisplayMode::Picture);
    const CSimOptions f = Parsed({"--frames", "dir", "--size", "1x1"});
    EXPECT_EQ(f.strFramesDir, "dir");
    EXPECT_EQ(f.nWidth, 1);
    EXPECT_EQ(f.nHeight, 1);
    EXPECT_TRUE(f.Renders());
}

TEST(SimOptions, RenderingOptionsMayComeBeforeTheOutput)
{
    const CSimOptions o = Parsed({"--size", "300x200", "--labels", "--mode", "picture", "--frames", "d"});
    EXPECT_EQ(o.nWidth, 300);
    EXPECT_EQ(o.nHeight, 200);
    EXPECT_EQ(o.mode, DisplayMode::Picture);
}

TEST(SimOptions, LaterValueWins)
{
    const CSimOptions o = Parsed({"--cells", "1", "--cells", "3", "--ticks", "5", "--ticks", "7"});
    EXPECT_EQ(o.cells, 3);
    EXPECT_EQ(o.nTicks, 7);
}

// --- rejected command lines ---

TEST(SimOptions, UnknownOptionIsNamed)
{
    ExpectRejectedNaming({"--colour"}, "--colour");
    ExpectRejectedNaming({"--ticks", "5", "-x"}, "-x");
    ExpectRejectedNaming({"5"}, "5");
    ExpectRejectedNaming({"--Ticks", "5"}, "--Ticks");
}

TEST(SimOptions, MissingValueIsNamed)
{
    for (const char* opt : {"--circuit", "--cells", "--resistor", "--ticks", "--every", "--regions", "--png",
                            "--frames", "--size", "--mode"})
        ExpectRejectedNaming({opt}, opt);
    ExpectRejectedNaming({"--tag", "--ticks"}, "--ticks");
}

TEST(SimOptions, CircuitOutsideTheCatalogue)
{
    for (const char* v : {"0", "-1", "abc", "1.5", "", "2x"})
        ExpectRejectedNaming({"--circuit", v}, "--circuit");
    ExpectRejectedNaming({"--circuit", std::to_string(CircuitCatalogue().size() + 1)}, "--circuit");
}

TEST(SimOptions, CellsOutsideZeroToThree)
{
    for (const char* v : {"-1", "4", "x", "1.0", " 1"})
        ExpectRejectedNaming({"--cells", v}, "--cells");
}

TEST(SimOptions, BadCounts)
{
    ExpectRejectedNaming({"--ticks", "-1"}, "--ticks");
    ExpectRejectedNaming({"--ticks", "ten"}, "--ticks");
    ExpectRejectedNaming({"--ticks", "10e3"}, "--ticks");
    ExpectRejectedNaming({"--every", "0"}, "--every");
    ExpectRejectedNaming({"--every", "-5"}, "--every");
    ExpectRejectedNaming({"--regions", "0"}, "--regions");
    ExpectRejectedNaming({"--regions", "201"}, "--regions");
    ExpectRejectedNaming({"--resistor", "1001"}, "--resistor");
    ExpectRejectedNaming({"--resistor", "many"}, "--resistor");
}

TEST(SimOptions, MalformedSizes)
{
    for (const char* v :
         {"800", "0x600", "800x0", "800x", "x600", "axb", "800x600x2", "-800x600", "800X600", "16385x10", "800 x600"})
        ExpectRejectedNaming({"--png", "a.png", "--size", v}, "--size");
    EXPECT_EQ(Parsed({"--png", "a.png", "--size", "16384x16384"}).nWidth, 16384);
}

TEST(SimOptions, BadMode)
{
    for (const char* v : {"Ball", "balls", "2", ""})
        ExpectRejectedNaming({"--png", "a.png", "--mode", v}, "--mode");
}

TEST(SimOptions, EmptyOutputNames)
{
    ExpectRejectedNaming({"--png", ""}, "--png");
    ExpectRejectedNaming({"--frames", ""}, "--frames");
}

TEST(SimOptions, RenderingOptionsNeedAnOutput)
{
    ExpectRejectedNaming({"--size", "800x600"}, "--size");
    ExpectRejectedNaming({"--mode", "ball"}, "--mode");
    ExpectRejectedNaming({"--labels"}, "--labels");
    ExpectRejectedNaming({"--ticks", "5", "--labels", "--regions", "2"}, "--labels");
}

// A long run prints figures only: what traces, draws or tags has no place
// beside it, and a seed has no place without it.
TEST(SimOptions, OptionsThatMakeNoSenseTogetherAreRefused)
{
    const std::vector<std::vector<std::string>> beside{{"--tag"},        {"--energy"},       {"--ticks", "5"},
                                                       {"--every", "5"}, {"--regions", "4"}, {"--png", "a.png"},
                                                       {"--frames", "d"}};
    for (const std::vector<std::string>& option : beside) {
        std::vector<std::string> args{"--measure", "60"};
        args.insert(args.end(), option.begin(), option.end());
        ExpectRejectedNaming(args, option[0]);
    }
    ExpectRejectedNaming({"--ticks", "5", "--seed", "3"}, "--seed");
}

TEST(SimOptions, OddUnknownOptionsAreShownOnOneLine)
{
    EXPECT_EQ(ErrorOf({"--tag\n--vary"}), "unknown option --tag\\n--vary");
    EXPECT_EQ(ErrorOf({"a\tb\r\x1b[0m\x7f"}), "unknown option a\\tb\\x0d\\x1b[0m\\x7f");
    EXPECT_EQ(ErrorOf({""}), "unknown option \"\"");
    // Bytes of other scripts are no control characters.
    EXPECT_EQ(ErrorOf({"--f\xc3\xbcr"}), "unknown option --f\xc3\xbcr");
}

TEST(SimOptions, FirstBadOptionIsReported)
{
    const std::string error = ErrorOf({"--cells", "9", "--circuit", "99"});
    EXPECT_NE(error.find("--cells"), std::string::npos);
    EXPECT_EQ(error.find("--circuit"), std::string::npos);
}

// --- seeded random command lines ---
//
// Every argument vector is built from items whose validity the generator
// knows (a valid value, a bad value, an unknown option, a missing value), so
// the parse is held against the expected options or the first bad item.

namespace {

constexpr long long kLongMax = std::numeric_limits<long long>::max();

struct IntOption {
    const char* name;
    long long lo, hi;
};

// Ranges as documented; the counts take any non-negative long long.
const IntOption kIntOptions[] = {{"--circuit", 1, static_cast<long long>(CircuitCatalogue().size())},
                                 {"--cells", 0, 3},
                                 {"--resistor", -1000, 1000},
                                 {"--ticks", 0, kLongMax},
                                 {"--every", 1, kLongMax},
                                 {"--regions", 1, 200}};

const char* const kKnownOptions[] = {"--circuit",  "--cells", "--reverse", "--vary",  "--no-pulsate", "--switch-open",
                                     "--resistor", "--tag",   "--ticks",   "--every", "--regions",    "--png",
                                     "--frames",   "--size",  "--mode",    "--labels"};

// Texts that are no whole number in any notation the runner accepts.
const std::string kNotWhole[] = {"",      " 5",    "5 ",       "+5",  "5.0", "1e3",  "0x1A",
                                 "five",  "5\n",   "\xd9\xa3", "-",   "--",  "\t",   "--tag",
                                 "1,000", "1_000", "0b1",      "NaN", "inf", "\x7f", std::string("5\0", 2),
                                 "½",     "3-",    "- 3"};

std::string Int128Text(__int128 v)
{
    if (v == 0)
        return "0";
    const bool negative = v < 0;
    std::string digits;
    while (v != 0) {
        const int d = static_cast<int>(v % 10);
        digits.insert(digits.begin(), static_cast<char>('0' + (d < 0 ? -d : d)));
        v /= 10;
    }
    return negative ? "-" + digits : digits;
}

struct Expected {
    CSimOptions options;
    bool sizeGiven = false;
    bool modeGiven = false;
    std::string errorStart;   // empty while every item so far is valid
    std::string unknown;   // the unknown option that is the first bad item
};

class CommandLineGenerator {
public:
    explicit CommandLineGenerator(std::uint64_t seed) : m_rng(seed) {}

    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    bool OneIn(int n) { return Uniform(1, n) == 1; }
    template <typename T, std::size_t N>
    const T& Pick(const T (&items)[N])
    {
        return items[static_cast<std::size_t>(Uniform(0, static_cast<int>(N) - 1))];
    }

    std::string Digits(int count)
    {
        std::string s(1, static_cast<char>('1' + Uniform(0, 8)));
        while (static_cast<int>(s.size()) < count)
            s += static_cast<char>('0' + Uniform(0, 9));
        return s;
    }

    // A value for a whole-number option; number is set when it is valid.
    std::string IntValue(const IntOption& o, bool valid, long long& number)
    {
        if (valid) {
            switch (Uniform(0, 4)) {
            case 0: number = o.lo; break;
            case 1: number = o.hi; break;
            case 2: number = std::uniform_int_distribution<long long>(o.lo, std::min(o.hi, o.lo + 20))(m_rng); break;
            default: number = std::uniform_int_distribution<long long>(o.lo, o.hi)(m_rng); break;
            }
            // Leading zeros change nothing.
            return number >= 0 && OneIn(6) ? "00" + std::to_string(number) : std::to_string(number);
        }
        switch (Uniform(0, 4)) {
        case 0: return Int128Text(static_cast<__int128>(o.lo) - 1 - Uniform(0, 3));
        case 1: return Int128Text(static_cast<__int128>(o.hi) + 1 + Uniform(0, 3));
        case 2: return (OneIn(2) ? "-" : "") + Digits(Uniform(20, 60));
        default: {
            std::string junk = Pick(kNotWhole);
            // A valid number spoiled by one odd character after it.
            if (OneIn(4))
                junk = std::to_string(o.lo) + Pick({"x", " ", "\n", ".", "\xc3\xa9", "e"});
            return junk;
        }
        }
    }

    std::string SizeValue(bool valid, int& w, int& h)
    {
        const auto side = [&] { return OneIn(3) ? Pick({1, 16384, 2, 16383}) : Uniform(1, 16384); };
        w = side();
        h = side();
        const std::string W = std::to_string(w), H = std::to_string(h);
        if (valid)
            return W + "x" + H;
        const std::string bad[] = {"0x" + H,
                                   "16385x" + H,
                                   W + "x0",
                                   W + "x16385",
                                   W,
                                   W + "X" + H,
                                   "x" + H,
                                   W + "x",
                                   "",
                                   "axb",
                                   W + "x-" + H,
                                   W + " x" + H,
                                   "-" + W + "x" + H,
                                   "+" + W + "x" + H,
                                   W + "x" + H + "x2",
                                   W + "x" + H + " ",
                                   W + "x" + H + "\n",
                                   Digits(30) + "x" + H,
                                   W + "\xc3\x97" + H};
        return Pick(bad);
    }

    std::string UnknownOption()
    {
        static const std::string pool[] = {"--colour",
                                           "-x",
                                           "",
                                           "--",
                                           "-",
                                           "--ticks=5",
                                           "--TICKS",
                                           "\xe2\x80\x94ticks",
                                           "ticks",
                                           "5",
                                           " --tag",
                                           "--tag ",
                                           "--circuit\n",
                                           "--helps",
                                           "-h",
                                           "--png\t",
                                           "\x1b[31m",
                                           "\xff\xfe",
                                           "--no-vary",
                                           "--size800x600",
                                           std::string(2000, 'a')};
        std::string token;
        do {
            if (OneIn(2)) {
                token = Pick(pool);
            } else {
                static const char alphabet[] = "-abcxyz019= \n\t\x01\x7f\xff\xc3\xa9";
                token.clear();
                for (int n = Uniform(0, 12); n > 0; --n)
                    token += alphabet[Uniform(0, static_cast<int>(sizeof alphabet) - 2)];
            }
        } while (std::find(std::begin(kKnownOptions), std::end(kKnownOptions), token) != std::end(kKnownOptions));
        return token;
    }

    // One command line and what the parse must give for it.
    std::vector<std::string> Next(Expected& x)
    {
        std::vector<std::string> args;
        const bool allValid = OneIn(2);
        const int items = Uniform(0, 9);
        for (int i = 0; i < items; ++i) {
            const bool valid = allValid || !OneIn(4);
            const bool record = x.errorStart.empty();
            const int kind = valid ? Uniform(0, 5) : Uniform(0, 6);
            CSimOptions& o = x.options;
            if (kind == 0) {
                static const char* const flags[] = {"--reverse",     "--vary", "--no-pulsate",
                                                    "--switch-open", "--tag",  "--labels"};
                const std::string flag = Pick(flags);
                args.push_back(flag);
                if (!record)
                    continue;
                o.bReverse |= flag == "--reverse";
                o.bVary |= flag == "--vary";
                o.bNoPulsate |= flag == "--no-pulsate";
                o.bSwitchOpen |= flag == "--switch-open";
                o.bTag |= flag == "--tag";
                o.bLabels |= flag == "--labels";
            } else if (kind <= 2) {
                const IntOption& opt = Pick(kIntOptions);
                long long number = 0;
                args.push_back(opt.name);
                args.push_back(IntValue(opt, valid, number));
                if (!record)
                    continue;
                if (!valid) {
                    x.errorStart = opt.name;
                    continue;
                }
                const std::string name = opt.name;
                if (name == "--circuit")
                    o.nCircuit = static_cast<int>(number);
                else if (name == "--cells")
                    o.cells = static_cast<int>(number);
                else if (name == "--resistor")
                    o.nResistor = static_cast<int>(number);
                else if (name == "--ticks")
                    o.nTicks = number;
                else if (name == "--every")
                    o.nEvery = number;
                else
                    o.nRegions = static_cast<int>(number);
            } else if (kind == 3) {
                int w = 0, h = 0;
                args.push_back("--size");
                args.push_back(SizeValue(valid, w, h));
                if (!record)
                    continue;
                if (!valid) {
                    x.errorStart = "--size";
                    continue;
                }
                o.nWidth = w;
                o.nHeight = h;
                x.sizeGiven = true;
            } else if (kind == 4) {
                static const char* const modes[] = {"ball", "diagram", "picture"};
                static const char* const badModes[] = {"Ball",      "",        "balls", "ball ", "1",
                                                       "diagram\n", "PICTURE", "--png", "pic"};
                const int mode = Uniform(0, 2);
                args.push_back("--mode");
                args.push_back(valid ? modes[mode] : Pick(badModes));
                if (!record)
                    continue;
                if (!valid) {
                    x.errorStart = "--mode";
                    continue;
                }
                o.mode = static_cast<DisplayMode>(mode);
                x.modeGiven = true;
            } else if (kind == 5) {
                static const std::string names[] = {"out.png",  "a b.png",      "--tag",  "-",
                                                    "x\ny.png", "\xc3\xbc.png", "/tmp/x", std::string(1000, 'a'),
                                                    "\t"};
                const bool png = OneIn(2);
                const std::string name = valid ? Pick(names) : "";
                args.push_back(png ? "--png" : "--frames");
                args.push_back(name);
                if (!record)
                    continue;
                if (!valid)
                    x.errorStart = png ? "--png" : "--frames";
                else
                    (png ? o.strPng : o.strFramesDir) = name;
            } else if (kind == 6 && OneIn(3)) {
                // A value-taking option with nothing after it ends the line.
                static const char* const valued[] = {"--circuit", "--cells", "--resistor", "--ticks", "--every",
                                                     "--regions", "--png",   "--frames",   "--size",  "--mode"};
                const char* name = Pick(valued);
                args.push_back(name);
                if (record)
                    x.errorStart = name;
                break;
            } else {
                const std::string token = UnknownOption();
                args.push_back(token);
                if (record) {
                    x.errorStart = "unknown option";
                    x.unknown = token;
                }
            }
        }
        if (x.errorStart.empty() && (x.sizeGiven || x.modeGiven || x.options.bLabels) && !x.options.Renders())
            x.errorStart = x.sizeGiven ? "--size" : x.modeGiven ? "--mode" : "--labels";
        return args;
    }

private:
    std::mt19937_64 m_rng;
};

std::string Shown(const std::vector<std::string>& args)
{
    std::string line;
    for (const std::string& a : args) {
        line += '[';
        for (unsigned char ch : a)
            line += ch < 0x20 || ch == 0x7f ? '?' : static_cast<char>(ch);
        line += "] ";
    }
    return line.size() > 600 ? line.substr(0, 600) + "..." : line;
}

// One printable line: nothing that would break it or move the cursor.
bool IsOneLine(const std::string& message)
{
    return std::none_of(message.begin(), message.end(),
                        [](char ch) { return static_cast<unsigned char>(ch) < 0x20 || ch == 0x7f; });
}

}

TEST(SimOptionsFuzz, RandomCommandLinesParseAsTheirItemsSay)
{
    CommandLineGenerator gen(0x5eed'0001);
    constexpr int kLines = 30000;
    int accepted = 0;
    for (int n = 0; n < kLines; ++n) {
        Expected x;
        const std::vector<std::string> args = gen.Next(x);
        SCOPED_TRACE(testing::Message() << "line " << n << ": " << Shown(args));
        const CSimParse parse = ParseSimOptions(args);
        if (x.errorStart.empty()) {
            ASSERT_TRUE(parse.options.has_value()) << parse.strError;
            ++accepted;
            const CSimOptions& o = *parse.options;
            const CSimOptions& e = x.options;
            EXPECT_EQ(o.nCircuit, e.nCircuit);
            EXPECT_EQ(o.cells, e.cells);
            EXPECT_EQ(std::tie(o.bReverse, o.bVary, o.bNoPulsate, o.bSwitchOpen, o.bTag, o.bLabels),
                      std::tie(e.bReverse, e.bVary, e.bNoPulsate, e.bSwitchOpen, e.bTag, e.bLabels));
            EXPECT_EQ(o.nResistor, e.nResistor);
            EXPECT_EQ(o.nTicks, e.nTicks);
            EXPECT_EQ(o.nEvery, e.nEvery);
            EXPECT_EQ(o.nRegions, e.nRegions);
            EXPECT_EQ(o.strPng, e.strPng);
            EXPECT_EQ(o.strFramesDir, e.strFramesDir);
            EXPECT_EQ(o.nWidth, e.nWidth);
            EXPECT_EQ(o.nHeight, e.nHeight);
            EXPECT_EQ(o.mode, e.mode);
            EXPECT_TRUE(parse.strError.empty());
        } else {
            ASSERT_FALSE(parse.options.has_value());
            EXPECT_EQ(parse.strError.rfind(x.errorStart, 0), 0u) << "error: " << parse.strError;
            EXPECT_TRUE(IsOneLine(parse.strError)) << "error: " << parse.strError;
            // A plain unknown option is shown as it was typed.
            if (!x.unknown.empty() && IsOneLine(x.unknown)) {
                EXPECT_EQ(parse.strError, "unknown option " + x.unknown);
            }
        }
        if (HasFailure())
            break;
    }
    // Both outcomes were tried in earnest.
    EXPECT_GT(accepted, kLines / 5);
    EXPECT_GT(kLines - accepted, kLines / 5);
    RecordProperty("command_lines", kLines);
    RecordProperty("accepted", accepted);
    std::cout << "[fuzz] " << kLines << " command lines, " << accepted << " accepted, " << kLines - accepted
              << " rejected" << std::endl;
}

TEST(SimOptionsFuzz, AnyTokensGiveSaneOptionsOrOneLineNamingAnArgument)
{
    // Tokens shuffled from every option, good and bad values and junk, with
    // no model: whatever comes out must be in range or a proper refusal.
    CommandLineGenerator gen(0x5eed'0002);
    std::vector<std::string> pool(std::begin(kKnownOptions), std::end(kKnownOptions));
    for (const std::string& s : kNotWhole)
        pool.push_back(s);
    for (const char* s : {"0", "1", "3", "14", "200", "-1000", "1000", "9223372036854775807", "800x600", "1x1",
                          "16384x16384", "ball", "diagram", "picture", "out.png", "dir"})
        pool.push_back(s);
    constexpr int kLines = 20000;
    int accepted = 0;
    for (int n = 0; n < kLines; ++n) {
        std::vector<std::string> args;
        for (int k = gen.Uniform(1, 10); k > 0; --k) {
            const auto i = static_cast<std::size_t>(gen.Uniform(0, static_cast<int>(pool.size()) - 1));
            args.push_back(gen.OneIn(8) ? gen.UnknownOption() : pool[i]);
        }
        SCOPED_TRACE(testing::Message() << "line " << n << ": " << Shown(args));
        const CSimParse parse = ParseSimOptions(args);
        if (parse.options) {
            ++accepted;
            const CSimOptions& o = *parse.options;
            EXPECT_TRUE(o.nCircuit >= 1 && o.nCircuit <= static_cast<int>(CircuitCatalogue().size()));
            EXPECT_TRUE(!o.cells || (*o.cells >= 0 && *o.cells <= 3));
            EXPECT_TRUE(o.nResistor >= -1000 && o.nResistor <= 1000);
            EXPECT_GE(o.nTicks, 0);
            EXPECT_GE(o.nEvery, 0);
            EXPECT_TRUE(o.nRegions >= 0 && o.nRegions <= 200);
            EXPECT_TRUE(o.nWidth >= 1 && o.nWidth <= 16384 && o.nHeight >= 1 && o.nHeight <= 16384);
            EXPECT_TRUE(o.mode >= DisplayMode::BallModel && o.mode <= DisplayMode::Picture);
            EXPECT_TRUE(!o.bLabels || o.Renders());
        } else {
            const std::string& error = parse.strError;
            EXPECT_TRUE(IsOneLine(error)) << "error: " << error;
            // It names an option that is on the line, or says it knows none.
            const bool named = error.rfind("unknown option ", 0) == 0 ||
                               std::any_of(args.begin(), args.end(), [&](const std::string& a) {
                                   return a.rfind("--", 0) == 0 && error.rfind(a + " ", 0) == 0;
                               });
            EXPECT_TRUE(named) << "error: " << error;
        }
        if (HasFailure())
            break;
    }
    EXPECT_GT(accepted, 0);
    std::cout << "[fuzz] " << kLines << " token lines, " << accepted << " accepted" << std::endl;
}
