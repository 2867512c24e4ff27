// The counts a circuit keeps for the measurements, checked against what the
// simulation shows anyway: the glow arcs and the supply meter, over long runs
// with the controls changed on the way. The exact energies are checked
// against the reference model by the runner's traces.
#include "core/circuits/CircuitCatalogue.h"
#include "core/document/TarrowinDoc.h"
#include "core/res/CommandIds.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(LoadCounts, AgreeWithGlowArcsAndTheMeterInEveryCircuit)
{
    RestartProgramState();
    CTarrowinDoc doc;
    // Three cells fill the bounded glow lists past their size; the display
    // changes empty them.
    const int commands[] = {CmdId::Cells3,         CmdId::SwitchPolarity, CmdId::VaryMeanSpeed,   CmdId::SwitchOff,
                            CmdId::DisplayDiagram, CmdId::SwitchOn,       CmdId::Cells0,          CmdId::ResistanceUp,
                            CmdId::SwitchPolarity, CmdId::Cells1,         CmdId::DisplayBallModel};
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        doc.OnCommand(entry.nCommandId);
        CCircuit& c = *doc.CircuitForCommand(entry.nCommandId);
        SCOPED_TRACE(c.GetName());
        std::set<std::string> names;
        for (std::size_t i = 0; i < c.LoadCounts().size(); ++i)
            names.insert(c.LoadName(i));
        EXPECT_EQ(names.size(), c.LoadCounts().size()) << "every load needs a name of its own";
        EXPECT_FALSE(names.contains(""));

        c.TakeSupplyCount();
        const long long passages = c.SupplyPassages();
        double taken = 0;
        for (const int id : commands) {
            for (int press = 0; press < (id == CmdId::ResistanceUp ? 14 : 1); ++press)
                doc.OnCommand(id);
            for (int t = 0; t < 700; ++t) {
                doc.StepCircuit();
                taken += c.TakeSupplyCount();
            }
        }
        EXPECT_EQ(taken, static_cast<double>(c.SupplyPassages() - passages));

        // Each bulb's releases are the arcs added to its list ("light bulb N"
        // has list N), however many the list kept; resistors add none.
        long long releases[4] = {};
        for (std::size_t i = 0; i < c.LoadCounts().size(); ++i) {
            const std::string name = c.LoadName(i);
            const int list = name == "light bulb"              ? 1
                             : name.starts_with("light bulb ") ? std::stoi(name.substr(11))
                                                               : 0;
            EXPECT_GT(c.LoadCounts()[i].releases, 0) << name;
            EXPECT_GE(c.LoadCounts()[i].energy, c.LoadCounts()[i].releases) << name;
            releases[list] += c.LoadCounts()[i].releases;
        }
        for (int list = 1; list <= 3; ++list)
            EXPECT_EQ(c.ArcsAdded(list), releases[list]) << "glow list " << list;
    }
}
