#include "cli/SimOptions.h"

#include <gtest/gtest.h>

#include <string>
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
    EXPECT_EQ(o.nMode, 0);
    EXPECT_FALSE(o.Renders());
}

TEST(SimOptions, CircuitAndCellsAcceptTheirWholeRange)
{
    EXPECT_EQ(Parsed({"--circuit", "1"}).nCircuit, 1);
    EXPECT_EQ(Parsed({"--circuit", "14"}).nCircuit, 14);
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
    EXPECT_EQ(o.nMode, 1);
    EXPECT_TRUE(o.bLabels);
    EXPECT_TRUE(o.Renders());

    EXPECT_EQ(Parsed({"--png", "a.png", "--mode", "ball"}).nMode, 0);
    EXPECT_EQ(Parsed({"--png", "a.png", "--mode", "picture"}).nMode, 2);
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
    EXPECT_EQ(o.nMode, 2);
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
    for (const char* opt : {"--circuit", "--cells", "--resistor", "--ticks", "--every", "--regions", "--png", "--frames",
                            "--size", "--mode"})
        ExpectRejectedNaming({opt}, opt);
    ExpectRejectedNaming({"--tag", "--ticks"}, "--ticks");
}

TEST(SimOptions, CircuitOutsideOneToFourteen)
{
    for (const char* v : {"0", "15", "-1", "abc", "1.5", "", "2x"})
        ExpectRejectedNaming({"--circuit", v}, "--circuit");
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
    for (const char* v : {"800", "0x600", "800x0", "800x", "x600", "axb", "800x600x2", "-800x600", "800X600", "16385x10",
                          "800 x600"})
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

TEST(SimOptions, FirstBadOptionIsReported)
{
    const std::string error = ErrorOf({"--cells", "9", "--circuit", "99"});
    EXPECT_NE(error.find("--cells"), std::string::npos);
    EXPECT_EQ(error.find("--circuit"), std::string::npos);
}
