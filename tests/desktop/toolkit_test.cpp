// Where a window goes on a screen, the zoom steps and their memory, the
// face chosen among those installed, and the core's plural phrases as the
// windows translate them.
#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/scaled_layout.h"
#include "desktop/toolkit/translated.h"
#include "desktop/toolkit/zoom.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace coinwell {
namespace {

// A plural phrase of the core in the form its count takes, 1 or many, in
// English and in Japanese, its count and its argument put in.
TEST(translated, GivesAPluralPhraseTheFormOfItsCount)
{
    QTranslator japanese;
    ASSERT_TRUE(japanese.load(QStringLiteral(":/i18n/coinwell_ja.qm")));
    const struct {
        bool ja;
        int count;
        const char* text;
    } cases[] = {
        {false, 1, "1 coin is enough in 95% of meetings."}, {false, 7, "7 coins are enough in 95% of meetings."},
        {true, 1, "1枚あれば会議の95%で足りる。"},             {true, 7, "7枚あれば会議の95%で足りる。"},
    };
    for (const auto& c : cases) {
        if (c.ja) {
            QCoreApplication::installTranslator(&japanese);
        }
        EXPECT_EQ(translated(core::sayCount(core::plural("coinwell::MainWindow", "%n coin(s) are enough in %1% of meetings."),
                                            c.count, {core::number(95)})),
                  QString::fromUtf8(c.text));
        QCoreApplication::removeTranslator(&japanese);
    }
}

const QSize kMainWindow(603, 512);
const QPoint kPlace(232, 99);

TEST(fitWindow, KeepsTheDesignedPlaceWhereItFitsAndElseLiesWhollyInside)
{
    const struct {
        const char* what;
        QRect available;
        qreal zoom;
        QMargins frame;
        QRect geometry;
    } cases[] = {
        {"moved up and left on a projector", {0, 0, 800, 600}, 1.0, {}, {197, 88, 603, 512}},
        {"the frame kept on screen too", {0, 0, 800, 600}, 1.0, {4, 30, 4, 4}, {193, 84, 603, 512}},
        {"shrunk to a small screen", {0, 0, 640, 480}, 1.0, {}, {75, 0, 565, 480}},
        {"zoom limited by the height", {0, 0, 1280, 1024}, 2.0, {}, {74, 0, 1206, 1024}},
        {"a panel above the available area", {0, 40, 1024, 728}, 1.5, {}, {167, 40, 857, 728}},
        {"never below half size", {0, 0, 200, 200}, 1.0, {}, {0, 0, 302, 256}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fitWindow(kPlace, kMainWindow, c.zoom, c.available, c.frame).geometry, c.geometry) << c.what;
    }
}

TEST(Zoom, StepsFrom100To200AndRemembersTheStepAcrossStarts)
{
    const QTemporaryDir folder;
    QSettings store(folder.filePath("zoom.ini"), QSettings::IniFormat);
    const struct {
        const char* what;
        QVariant stored;
        std::vector<void (Zoom::*)()> commands;
        int percent;
    } cases[] = {
        {"no further than 200", 175, {&Zoom::zoomIn, &Zoom::zoomIn}, 200},
        {"no smaller than 100", 125, {&Zoom::zoomOut, &Zoom::zoomOut}, 100},
        {"between two steps, the nearer", 130, {&Zoom::zoomIn}, 150}, {"not a number", "large", {}, 100},
        {"a hand-edited size far too large", 5000, {}, 200},
    };
    for (const auto& c : cases) {
        store.setValue("view/zoomPercent", c.stored);
        {
            Zoom zoom(&store);
            for (const auto command : c.commands) {
                (zoom.*command)();
            }
            EXPECT_EQ(zoom.percent(), c.percent) << c.what;
        }
        EXPECT_EQ(Zoom(&store).percent(), c.percent) << c.what << ", at the next start";
    }
}

TEST(chooseGothicFamily, PrefersTheDesignedFaceThenJapaneseSansThenDejaVuSans)
{
    const struct {
        const char* what;
        QStringList installed;
        QStringList japaneseProportional;
        QString chosen;
    } cases[] = {
        {"Noto before other Japanese faces", {"IPAexMincho", "Noto Sans CJK JP", "TakaoPGothic"},
         {"IPAexMincho", "TakaoPGothic", "Noto Sans CJK JP"}, "Noto Sans CJK JP"},
        {"no Mincho or serif face", {"IPAPMincho", "Noto Serif CJK JP", "VL PGothic"},
         {"IPAPMincho", "Noto Serif CJK JP", "VL PGothic"}, "VL PGothic"},
        {"only serif Japanese faces", {"IPAPMincho", "DejaVu Serif", "DejaVu Sans"}, {"IPAPMincho"}, "DejaVu Sans"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chooseGothicFamily(c.installed, c.japaneseProportional, "Sans Serif"), c.chosen) << c.what;
    }
}

}  // namespace
}  // namespace coinwell
