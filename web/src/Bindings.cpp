// What the page reaches of the core: the front end (CWebApp), the tables
// the menus, keys, bars and artwork are built from, and the words.
#include "MeasureValues.h"
#include "WebApp.h"
#include "WebWords.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/pictures/CellsPicture.h"
#include "core/res/BitmapTable.h"
#include "core/res/CommandIds.h"
#include "core/res/DialogLayouts.h"
#include "core/res/ElectronPalettes.h"
#include "core/res/MenuTable.h"
#include "core/res/ResourceIds.h"
#include "core/res/Strings.h"
#include "core/sim/ComponentLabel.h"
#include "core/words/Words.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <span>
#include <string>
#include <vector>

using emscripten::val;

namespace {

val Text(const char* text)
{
    return text == nullptr ? val::null() : val(std::string(text));
}

val MenuItems(std::span<const CMenuItemEntry> items)
{
    static constexpr const char* kKinds[] = {"command", "check", "radio", "separator", "submenu"};
    val list = val::array();
    for (const CMenuItemEntry& item : items) {
        val entry = val::object();
        entry.set("kind", kKinds[static_cast<int>(item.kind)]);
        entry.set("caption", Text(item.pszCaption));
        entry.set("context", std::string(item.pszContext));
        entry.set("id", item.nId);
        entry.set("keys", std::string(item.pszKeys));
        entry.set("repeat", item.bRepeat);
        if (item.kind == MenuItemKind::Submenu)
            entry.set("items", MenuItems(item.submenu));
        list.call<void>("push", entry);
    }
    return list;
}

val Menu()
{
    val menus = val::array();
    for (const CMenuEntry& menu : MainMenu()) {
        val entry = val::object();
        entry.set("title", Text(menu.pszTitle));
        entry.set("items", MenuItems(menu.items));
        menus.call<void>("push", entry);
    }
    return menus;
}

val Catalogue()
{
    val list = val::array();
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        val circuit = val::object();
        circuit.set("id", entry.nCommandId);
        circuit.set("name", Text(entry.pszMenuCaption));
        circuit.set("group", entry.nGroup);
        circuit.set("button", entry.nButton);
        list.call<void>("push", circuit);
    }
    return list;
}

val Layout(const CDialogLayout& layout)
{
    static constexpr const char* kKinds[] = {"progress", "radio", "pushRadio",  "push",       "defaultPush", "check",
                                             "group",    "text",  "blackFrame", "drawnFrame", "picture"};
    val controls = val::array();
    for (const CDialogControl& c : layout.controls) {
        val control = val::object();
        control.set("id", c.nId);
        control.set("kind", kKinds[static_cast<int>(c.kind)]);
        control.set("caption", Text(c.pszCaption));
        control.set("x", c.x);
        control.set("y", c.y);
        control.set("w", c.w);
        control.set("h", c.h);
        control.set("group", c.nGroup);
        control.set("disabled", c.bDisabled);
        control.set("bitmap", c.nBitmapId);
        control.set("name", Text(c.pszAccessibleName));
        control.set("altCaption", Text(c.pszAltCaption));
        controls.call<void>("push", control);
    }
    val result = val::object();
    result.set("id", layout.nId);
    result.set("width", layout.nWidth);
    result.set("height", layout.nHeight);
    result.set("caption", Text(layout.pszCaption));
    result.set("controls", controls);
    return result;
}

val Bitmaps()
{
    val list = val::array();
    for (const CBitmapResource& res : BitmapResources()) {
        val bitmap = val::object();
        bitmap.set("id", res.nId);
        // ":/artwork/x.svg" in the desktop's resources, "artwork/x.svg" beside the page.
        bitmap.set("file", std::string(res.pszPath).substr(2));
        bitmap.set("width", res.nWidth);
        bitmap.set("height", res.nHeight);
        val captions = val::array();
        for (const CArtworkCaption& c : ArtworkCaptions(res.nId)) {
            val caption = val::object();
            caption.set("text", Text(c.pszText));
            caption.set("left", c.left);
            caption.set("right", c.right);
            caption.set("baseline", c.baseline);
            caption.set("size", c.nPixelSize);
            caption.set("bold", c.bBold);
            caption.set("rgb", c.rgb);
            caption.set("centred", c.bCentred);
            captions.call<void>("push", caption);
        }
        bitmap.set("captions", captions);
        list.call<void>("push", bitmap);
    }
    return list;
}

val Palettes()
{
    val list = val::array();
    for (const CElectronPalette& palette : ElectronPalettes()) {
        val entry = val::object();
        entry.set("name", std::string(palette.pszName));
        entry.set("key", palette.nKeyBitmapId);
        list.call<void>("push", entry);
    }
    return list;
}

val DisplayWords()
{
    val list = val::array();
    for (const char* word : Strings::kDisplayWords)
        list.call<void>("push", std::string(word));
    return list;
}

// The ids the page names itself: its own commands and the bars' pictures.
val CommandIds()
{
    val ids = val::object();
    // clang-format off
    const std::pair<const char*, int> named[] = {
        {"Progress", CmdId::Progress}, {"DisplayBallModel", CmdId::DisplayBallModel},
        {"ShowLabels", CmdId::ShowLabels}, {"CellsPicture", CmdId::CellsPicture}, {"Cells0", CmdId::Cells0},
        {"SwitchOn", CmdId::SwitchOn}, {"SwitchOff", CmdId::SwitchOff},
        {"ResistanceDown", CmdId::ResistanceDown}, {"ResistanceUp", CmdId::ResistanceUp}, {"MeterFrame", CmdId::MeterFrame},
        {"ElectronKey", CmdId::ElectronKey}, {"Pause", CmdId::Pause}, {"StepTick", CmdId::StepTick},
        {"SpeedNormal", CmdId::SpeedNormal}, {"ViewChooser", CmdId::ViewChooser},
        {"ViewControls", CmdId::ViewControls}, {"ViewDisplay", CmdId::ViewDisplay},
        {"ViewMeasurements", CmdId::ViewMeasurements}, {"FullScreen", CmdId::FullScreen},
        {"PaletteStandard", CmdId::PaletteStandard}, {"SavePicture", CmdId::SavePicture},
        {"CopyPicture", CmdId::CopyPicture}, {"ResetDefaults", CmdId::ResetDefaults},
        {"CompareCircuits", CmdId::CompareCircuits}, {"AppAbout", CmdId::AppAbout}, {"AppExit", CmdId::AppExit},
        {"AboutLink", CmdId::AboutLink}, {"AboutOk", CmdId::AboutOk}};
    // clang-format on
    for (const auto& [name, id] : named)
        ids.set(name, id);
    return ids;
}

val IdList(std::span<const CmdId::Id> ids)
{
    val list = val::array();
    for (const int id : ids)
        list.call<void>("push", id);
    return list;
}

// The commands that each choose one of several values, listed by the value.
val CommandTables()
{
    val tables = val::object();
    tables.set("cells", IdList(CmdId::kCells));
    tables.set("displays", IdList(CmdId::kDisplays));
    tables.set("speeds", IdList(CmdId::kSpeeds));
    tables.set("palettes", IdList(CmdId::kPalettes));
    return tables;
}

// The cells picture of the controls bar for a signed number of cells.
int CellsPictureId(int cells)
{
    return CellsPicture::ArtworkId(cells);
}

val ResourceIds()
{
    val ids = val::object();
    ids.set("ChooserStrip", ResId::ChooserStrip);
    ids.set("Logo", ResId::Logo);
    return ids;
}

// Bit 0: the id is known; bit 1: enabled; bit 2: checked.
int StateBits(const CWebApp& app, int id)
{
    const auto state = app.Lesson().State(id);
    return state ? 1 | (state->bEnabled ? 2 : 0) | (state->bChecked ? 4 : 0) : 0;
}

val State(const CWebApp& app)
{
    const CLesson& lesson = app.Lesson();
    const CCircuit& circuit = lesson.Circuit();
    val state = val::object();
    state.set("version", lesson.Version());
    state.set("title", lesson.Title());
    state.set("circuit", circuit.GetName());
    state.set("cells", lesson.Cells());
    state.set("display", static_cast<int>(circuit.GetDisplayMode()));
    state.set("labels", circuit.GetShowLabels());
    state.set("palette", lesson.Doc().GetPalette());
    state.set("electronKey", lesson.ElectronKeyId());
    state.set("paused", lesson.Pace().IsPaused());
    state.set("canStep", lesson.CanStep());
    state.set("slowdown", lesson.Pace().Slowdown());
    state.set("intro", lesson.Pace().IsIntro());
    const CRect square = lesson.Square();
    val rect = val::object();
    rect.set("left", square.left);
    rect.set("top", square.top);
    rect.set("right", square.right);
    rect.set("bottom", square.bottom);
    state.set("square", rect);
    return state;
}

val Describe(const CWebApp& app)
{
    const CCircuitFacts facts = app.Lesson().Facts();
    val result = val::object();
    result.set("text", DescribeCircuit(facts));
    result.set("meter", DescribeMeter(facts));
    result.set("marks", facts.meterMarks);
    result.set("marksPerSide", facts.meterMarksPerSide);
    return result;
}

val Rates(const CWebApp& app)
{
    const CCircuitRates& rates = app.Lesson().Rates();
    val result = val::object();
    result.set("generation", rates.Generation());
    result.set("ticks", static_cast<double>(rates.Ticks()));
    result.set("seconds", rates.Seconds());
    result.set("current", rates.Current());
    val loads = val::array();
    for (std::size_t i = 0; i < rates.LoadCount(); ++i) {
        val load = val::object();
        load.set("name", rates.LoadName(i));
        load.set("label", Translate(kLabelContext, rates.LoadName(i).c_str()));
        load.set("rate", rates.LoadRate(i));
        loads.call<void>("push", load);
    }
    result.set("loads", loads);
    // The history as columns: seconds, current, then each load.
    std::vector<std::vector<double>> columns(2 + rates.LoadCount());
    for (const CCircuitRates::CPoint& point : rates.History()) {
        columns[0].push_back(point.seconds);
        columns[1].push_back(point.current);
        for (std::size_t i = 0; i < rates.LoadCount(); ++i)
            columns[2 + i].push_back(point.loads[i]);
    }
    val history = val::array();
    for (const std::vector<double>& column : columns)
        history.call<void>(
            "push", val::global("Float64Array").new_(val(emscripten::typed_memory_view(column.size(), column.data()))));
    result.set("history", history);
    return result;
}

std::string Csv(const CWebApp& app, const val& header)
{
    return app.Lesson().Rates().Csv(emscripten::vecFromJSArray<std::string>(header));
}

val LongRunResult(CWebApp& app)
{
    const auto& result = app.LongRun().Result();
    if (!result)
        return val::null();
    val loads = val::object();
    for (std::size_t i = 0; i < result->loadNames.size(); ++i)
        loads.set(result->loadNames[i], EstimateValue(result->loads[i]));
    val out = val::object();
    out.set("seconds", result->seconds);
    out.set("current", EstimateValue(result->current));
    out.set("loads", loads);
    return out;
}

bool FollowLongRun(CWebApp& app)
{
    return app.LongRun().Follow(app.Lesson().CurrentSetup());
}

bool AdvanceLongRun(CWebApp& app, double ticks)
{
    return app.LongRun().Advance(static_cast<long long>(ticks));
}

double LongRunProgress(CWebApp& app)
{
    return app.LongRun().Progress();
}

CWebWords& PageWords()
{
    static CWebWords words;
    return words;
}

// Every translation of a language as [context, source, translation]
// triples (an empty list for English, the words as written) and the
// language's code, for its numbers.
void SetWords(const val& triples, const std::string& code)
{
    CWebWords& words = PageWords();
    words.Clear(code);
    const auto length = triples["length"].as<unsigned>();
    for (unsigned i = 0; i < length; ++i) {
        const val triple = triples[i];
        words.Add(triple[0].as<std::string>(), triple[1].as<std::string>(), triple[2].as<std::string>());
    }
    UseWords(&words);
}

std::string TranslateText(const std::string& context, const std::string& source)
{
    return Translate(context.c_str(), source.c_str());
}

int CommandState(const CWebApp& app, int id)
{
    return StateBits(app, id);
}

double Ticks(const CWebApp& app)
{
    return static_cast<double>(app.Lesson().Ticks());
}

// The lesson's settings as "key=value" lines.
std::string Settings(const CWebApp& app)
{
    return app.Lesson().Settings().ToText();
}

// Puts the settings of the lines in place over the lesson's own, as the
// commands would; returns what could not be used.
val ApplySettings(CWebApp& app, const std::string& text)
{
    CLessonSettings settings = app.Lesson().Settings();
    val ignored = val::array();
    for (const std::string& item : settings.ReadText(text))
        ignored.call<void>("push", item);
    app.ApplySettings(settings);
    return ignored;
}

}

EMSCRIPTEN_BINDINGS(tarrowin)
{
    emscripten::class_<CWebApp>("App")
        .constructor<int>()
        .function("resizeView", &CWebApp::ResizeView)
        .function("setMeterCanvas", &CWebApp::SetMeterCanvas)
        .function("tick", &CWebApp::Tick)
        .function("command", &CWebApp::Command)
        .function("commandState", &CommandState)
        .function("relayout", &CWebApp::Relayout)
        .function("picture", &CWebApp::Picture)
        .function(
            "paused", +[](const CWebApp& app) { return app.Lesson().Pace().IsPaused(); })
        .function(
            "tickPeriod", +[](const CWebApp& app) { return app.Lesson().Pace().PeriodMs(); })
        .function("ticks", &Ticks)
        .function(
            "version", +[](const CWebApp& app) { return app.Lesson().Version(); })
        .function(
            "progress", +[](const CWebApp& app) { return app.Lesson().Progress(); })
        .function(
            "meterReading", +[](const CWebApp& app) { return app.Lesson().Meter().LastReading(); })
        .function("settings", &Settings)
        .function("applySettings", &ApplySettings)
        .function("state", &State)
        .function("describe", &Describe)
        .function("rates", &Rates)
        .function("csv", &Csv)
        .function("followLongRun", &FollowLongRun)
        .function("advanceLongRun", &AdvanceLongRun)
        .function("longRunProgress", &LongRunProgress)
        .function("longRunResult", &LongRunResult);
    emscripten::function("menu", &Menu);
    emscripten::function("catalogue", &Catalogue);
    emscripten::function(
        "controlsBar", +[] { return Layout(ControlsBarLayout()); });
    emscripten::function(
        "displayBar", +[] { return Layout(DisplayBarLayout()); });
    emscripten::function(
        "aboutBox", +[] { return Layout(AboutBoxLayout()); });
    emscripten::function("bitmaps", &Bitmaps);
    emscripten::function("palettes", &Palettes);
    emscripten::function("displayWords", &DisplayWords);
    emscripten::function("commandIds", &CommandIds);
    emscripten::function("commandTables", &CommandTables);
    emscripten::function("resourceIds", &ResourceIds);
    emscripten::function("cellsPictureId", &CellsPictureId);
    emscripten::function("setWords", &SetWords);
    emscripten::function("translate", &TranslateText);
}
