// Every text the window shows goes through the translation mechanism, and
// every picture has a name for screen readers.
#include "WindowFixture.h"

#include "app/MeasurementsPanel.h"

#include "app/AboutDlg.h"
#include "app/CircuitChooser.h"
#include "app/CompareWindow.h"
#include "app/HyperLink.h"
#include "app/LaunchOptions.h"
#include "app/PictureSaver.h"
#include "core/circuits/CircuitCatalogue.h"
#include "core/res/MenuTable.h"
#include "view/PictureControl.h"

#include <QAccessible>
#include <QAction>
#include <QChart>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>
#include <QRegularExpression>
#include <QTranslator>

#include <map>
#include <set>

namespace {

// Marks every text it is asked for, so a text that bypasses translation
// shows up unmarked.
class CMarkingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* sourceText, const char*, int) const override
    {
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
};

// Notes every text of the program's own that has words and is looked up,
// and leaves it as written; Qt's own (contexts named Q...) are Qt's to translate.
class CRecordingTranslator : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        static const QRegularExpression kWord(QStringLiteral("[A-Za-z]"));
        if (context[0] != 'Q' && QString::fromUtf8(sourceText).contains(kWord))
            m_texts.emplace(context, sourceText);
        return {};
    }
    mutable std::set<std::pair<std::string, std::string>> m_texts;
};

bool Marked(const QString& text)
{
    return text.startsWith(QLatin1Char('<')) && text.endsWith(QLatin1Char('>'));
}

void CollectMenuTexts(const QMenu& menu, QStringList& texts)
{
    texts << menu.title();
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            continue;
        if (action->menu() != nullptr)
            CollectMenuTexts(*action->menu(), texts);
        else
            texts << action->text();
    }
}

}

// The window built with a translator of the test's own.
template <class Translator>
class WithTranslator : public WindowTest {
protected:
    void SetUp() override
    {
        QCoreApplication::installTranslator(&m_translator);
        WindowTest::SetUp();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        QCoreApplication::removeTranslator(&m_translator);
    }

    Translator m_translator;
};
using Translation = WithTranslator<CMarkingTranslator>;
using ShippedLanguages = WithTranslator<CRecordingTranslator>;

TEST_F(Translation, EveryMenuBarAndTitleTextIsLookedUp)
{
    QStringList texts;
    for (const QAction* action : m_frame->menuBar()->actions())
        CollectMenuTexts(*action->menu(), texts);
    // Five menus, two submenus, the circuits and the 37 other items.
    EXPECT_EQ(texts.size(), 5 + 2 + static_cast<qsizetype>(CircuitCatalogue().size()) + 37);
    for (CDialogBar* bar : {m_frame->ControlsBar(), m_frame->DisplayBar()}) {
        for (const QAbstractButton* button : bar->findChildren<QAbstractButton*>())
            texts << button->text();
        for (const QGroupBox* box : bar->findChildren<QGroupBox*>())
            texts << box->title();
        for (const QLabel* label : bar->findChildren<QLabel*>())
            texts << label->text();
    }
    for (const QAction* action : m_frame->Chooser()->Items())
        if (!action->isSeparator())
            texts << action->text();
    CMeasurementsPanel& panel = *m_frame->Measurements();
    panel.Refresh(true);
    for (const QLabel* label : panel.findChildren<QLabel*>())
        if (label != panel.LoadRows()[0].value && label != panel.LoadRows()[0].longRun)   // numbers
            texts << label->text();
    texts << panel.CopyButton()->text();
    EXPECT_TRUE(panel.CsvText().section('\n', 0, 0).endsWith(QStringLiteral(",<<light bulb> (energy per second)>")));
    for (const QAbstractAxis* axis : panel.Chart()->axes())
        texts << axis->titleText();
    for (const QAbstractSeries* series : panel.Chart()->series())
        texts << series->name();
    // What a screen reader hears, each part of it.
    View().Describe();
    texts << View().accessibleDescription().chopped(1).split(QStringLiteral(". "));
    for (const QString& text : texts)
        EXPECT_TRUE(Marked(text)) << text.toStdString();
    EXPECT_EQ(m_frame->windowTitle(), QStringLiteral("<Tarrowin> - <Single Bulb>"));
}

// Every text the window, each circuit's title and labels, the measurements,
// the About box and the link's messages look up has a finished translation
// in every shipped language (unfinished ones are left out of the build).
TEST_F(ShippedLanguages, TranslateEveryTextShown)
{
    Show();
    m_frame->OnCommand(CmdId::ShowLabels);
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        m_frame->OnCommand(entry.nCommandId);
        Settle();
        Tick(2);
        m_frame->Measurements()->Refresh(true);
        m_frame->Measurements()->CsvText();
        View().Describe();
    }
    // The description's other words: no cells, a reversed supply, an open switch.
    for (const int id : {CmdId::Cells0, CmdId::Cells2, CmdId::SwitchPolarity, CmdId::BulbSwitch, CmdId::SwitchOff}) {
        m_frame->OnCommand(id);
        View().Describe();
    }
    m_frame->OnCommand(CmdId::Pause);
    CAboutDlg about(m_frame.get());
    for (int code = 0; code <= 33; ++code)
        CHyperLink::FailureText(code);
    CPictureSizeDlg pictureSize(800, m_frame.get());
    m_frame->OnCommand(CmdId::CompareCircuits);
    m_frame->Compare()->Chart().Picture(QSize(400, 300));
    m_frame->Compare()->CsvText();
    PictureSaver::FailureText(QString(), QString());
    for (const char* bad : {"--circuit=0", "--cells=9", "--display=x", "extra"})
        CLaunchOptions::Parse({QStringLiteral("tarrowin"), QLatin1String(bad)});
    ASSERT_TRUE(m_translator.m_texts.count({"Label", "power supply"}) &&
                m_translator.m_texts.count({"DialogBar", "Play"}));

    for (const char* language : {"de", "fr", "es"}) {
        QTranslator shipped;
        ASSERT_TRUE(shipped.load(QStringLiteral(":/i18n/tarrowin_%1").arg(QLatin1String(language)))) << language;
        for (const auto& [context, text] : m_translator.m_texts)
            EXPECT_FALSE(shipped.translate(context.c_str(), text.c_str()).isEmpty())
                << language << ": " << context << " \"" << text << "\" has no translation";
    }
}

TEST_F(WindowTest, ChooserButtonsAndPicturesHaveNamesForScreenReaders)
{
    Show();
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue()) {
        QToolButton* button = m_frame->Chooser()->Button(entry.nCommandId);
        ASSERT_NE(button, nullptr) << entry.pszMenuCaption;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(entry.pszMenuCaption));
    }
    EXPECT_EQ(Controls().Control(CmdId::CellsPicture)->accessibleName(), QStringLiteral("No. of Power Cells"));
    EXPECT_EQ(m_frame->DisplayBar()->Control(CmdId::MeterFrame)->accessibleName(),
              QStringLiteral("Current at Power Supply"));
    bool keyNamed = false;
    for (const CPictureControl* picture : m_frame->DisplayBar()->findChildren<CPictureControl*>())
        keyNamed = keyNamed || picture->accessibleName() == QStringLiteral("Electron Key");
    EXPECT_TRUE(keyNamed);
    EXPECT_EQ(View().accessibleName(), QStringLiteral("Single Bulb"));
}

// In every language, no two items of one menu, nor two menus of the bar, share
// an underlined letter, so Alt and a letter always reach the one meant.
TEST(MenuLetters, DifferWithinEachMenuInEveryLanguage)
{
    for (const QString& language : {QString(), QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")}) {
        QTranslator shipped;
        ASSERT_TRUE(language.isEmpty() || shipped.load(QStringLiteral(":/i18n/tarrowin_") + language));
        const auto expectDistinct = [&](const std::vector<const char*>& captions) {
            std::map<int, QString> seen;
            for (const char* caption : captions) {
                const QString text =
                    language.isEmpty() ? QString::fromUtf8(caption) : shipped.translate(kMenuContext, caption);
                const QKeySequence letter = QKeySequence::mnemonic(text);
                if (letter.isEmpty())
                    continue;
                const auto [first, unique] = seen.emplace(letter[0].toCombined(), text);
                EXPECT_TRUE(unique) << language.toStdString() << ": " << text.toStdString() << " / "
                                    << first->second.toStdString();
            }
        };
        std::vector<const char*> titles;
        for (const CMenuEntry& menu : MainMenu()) {
            titles.push_back(menu.pszTitle);
            std::vector<const char*> items;
            for (const CMenuItemEntry& item : menu.items) {
                std::vector<const char*> subitems;
                for (const CMenuItemEntry& subitem : item.submenu)
                    subitems.push_back(subitem.pszCaption);
                expectDistinct(subitems);
                if (item.pszCaption != nullptr)
                    items.push_back(item.pszCaption);
            }
            expectDistinct(items);
        }
        expectDistinct(titles);
    }
}
