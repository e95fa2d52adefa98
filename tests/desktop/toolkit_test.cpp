// Where a window goes on a screen, the zoom steps and their memory, the
// face chosen among those installed, and the core's plural phrases as the
// windows translate them.
#include "desktop/toolkit/fonts.h"
#include "desktop/toolkit/scaled_layout.h"
#include "desktop/toolkit/translated.h"
#include "desktop/toolkit/zoom.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace coinwell {
namespace {

struct PluralEntry {
    QString context;
    QString source;
    QStringList forms;
};

// The plural messages of a catalogue, read as its XML says them.
std::vector<PluralEntry> pluralEntries(const QString& file)
{
    QFile catalogue(QStringLiteral(COINWELL_TRANSLATIONS "/") + file);
    EXPECT_TRUE(catalogue.open(QIODevice::ReadOnly)) << file.toStdString();
    QXmlStreamReader xml(&catalogue);
    std::vector<PluralEntry> entries;
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message" && xml.attributes().value("numerus") == u"yes") {
            entries.push_back({context, {}, {}});
        } else if (xml.name() == u"source" && !entries.empty() && entries.back().source.isEmpty()) {
            entries.back().source = xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            entries.back().forms.append(xml.readElementText());
        }
    }
    return entries;
}

// Each plural phrase of the core in the form its count takes, 1 or many, in
// English and in Japanese, its count and its argument put in.
TEST(translated, GivesEveryPluralPhraseTheFormOfItsCount)
{
    QTranslator japanese;
    ASSERT_TRUE(japanese.load(QStringLiteral(":/i18n/coinwell_ja.qm")));
    for (const auto& [file, ja] : {std::pair{"coinwell_en.ts", false}, std::pair{"coinwell_ja.ts", true}}) {
        const std::vector<PluralEntry> entries = pluralEntries(QString::fromLatin1(file));
        EXPECT_GE(entries.size(), 4U) << file;
        if (ja) {
            QCoreApplication::installTranslator(&japanese);
        }
        for (const PluralEntry& entry : entries) {
            const std::string context = entry.context.toStdString();
            const std::string source = entry.source.toStdString();
            for (const int count : {1, 7}) {
                const QString form = entry.forms.value(ja || count == 1 ? 0 : 1);
                const QString expected = QString(form).replace(QStringLiteral("%n"), QString::number(count)).replace(QStringLiteral("%1"), QStringLiteral("95"));
                EXPECT_EQ(translated(core::sayCount(core::plural(context, source), count, {core::number(95)})), expected)
                    << file << ": " << source << " at " << count;
            }
        }
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
        {"between two steps, the nearer", 130, {&Zoom::zoomIn}, 150},
        {"a hand-edited size far too large", 5000, {}, 200},
        {"not a number", "large", {}, 100},
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
