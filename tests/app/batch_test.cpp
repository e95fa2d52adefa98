// The real program run without any display, from outside, as a script or a
// teacher at a terminal would run it.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <iostream>

#include <unistd.h>

namespace {

using ::testing::ContainsRegex;
using ::testing::IsEmpty;
using ::testing::Matcher;

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

enum class Output { ToTest, ToFullDisk, ToClosedPipe };

using Environment = QList<std::pair<QString, QString>>;

// English, whatever the machine speaks, unless a locale is given.
Outcome runProgram(const QStringList& arguments, Output output = Output::ToTest,
                   const Environment& locale = {{"LC_ALL", "C.UTF-8"}})
{
    QProcess program;
    if (output == Output::ToFullDisk) {
        program.setStandardOutputFile(QStringLiteral("/dev/full"));
    }
    // A pipe whose reading end is closed before the program starts.
    int pipeEnds[2] = {-1, -1};
    if (output == Output::ToClosedPipe) {
        EXPECT_EQ(pipe(pipeEnds), 0);
        close(pipeEnds[0]);
        program.setChildProcessModifier([&] { dup2(pipeEnds[1], STDOUT_FILENO); });
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANG",
                                 "LANGUAGE"}) {
        environment.remove(variable);
    }
    for (const auto& [name, value] : locale) {
        environment.insert(name, value);
    }
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(COINWELL_PROGRAM), arguments);
    if (!program.waitForFinished(600'000)) {  // a hang guard only
        program.kill();
        program.waitForFinished();
    }
    if (pipeEnds[1] >= 0) {
        close(pipeEnds[1]);
    }
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1, program.readAllStandardOutput(),
            program.readAllStandardError()};
}

TEST(BatchMode, ArgumentsAreCheckedBeforeAnythingRuns)
{
    const QTemporaryDir folder;
    const QString aFile = folder.filePath("a.txt");
    QFile(aFile).open(QIODevice::WriteOnly);
    const struct {
        QStringList arguments;
        int status;
        const char* out;  // an extended regular expression, or empty for no output
        const char* err;  // likewise
    } cases[] = {
        {{"--guests", "10", "--experiments", "1", "--seed", "0"}, 0, "^Coinwell: 10 guests x 1 experiments, seed 0\n", ""},
        {{"-g", "1000", "-e", "3"}, 0, "^Coinwell: 1000 guests x 3 experiments\n", ""},
        // Too few experiments for a single degree of freedom.
        {{"-g", "10", "-e", "3"}, 0, "\nChi-square against the exact law: the run is too small for the test\n", ""},
        // After the histogram, how sure the run is.
        {{"--guests", "100", "--experiments", "1000", "--seed", "1"}, 0,
         "#\n\nStandard deviation of the shortage: [0-9]+\\.[0-9]{3}\nExact standard deviation: 6\\.075\n"
         "Standard error of the average: 0\\.[0-9]{3}\n95% interval for the mean: -[0-9.]+ to -[0-9.]+, exact mean "
         "(inside|outside)\n\nCoins to have ready, with what a run of this size could have said \\(95% confidence\\):\n"
         "(  in [0-9]+% of meetings: [0-9]+ coins? \\(a run this size says [0-9]+ to [0-9]+; exact [0-9]+\\)\n){3}$",
         ""},
        {{"-g", "10", "-e", "1"}, 0, "\nA single experiment has no spread: no standard deviation, standard error or "
         "interval\n", ""},
        {{"--help"}, 0, "^Usage: coinwell .*--experiments <E>", ""},
        {{"--version"}, 0, "^coinwell [0-9]+\\.[0-9]+\\.[0-9]+\n$", ""},
        {{"--guests", "9", "--experiments", "1"}, 2, "", "--guests takes a whole number from 10 to 1000, not '9'"},
        {{"--guests", "10", "--experiments", "0"}, 2, "", "--experiments takes a whole number from 1 to 10000000"},
        {{"--seed", "18446744073709551616"}, 2, "", "--seed takes a whole number from 0 to 18446744073709551615"},
        {{"--experiments", "5"}, 2, "", "needs --guests: --guests takes a whole number from 10 to 1000"},
        {{"--guests", "10", "--experiments"}, 2, "", "--experiments is missing its value: --experiments takes"},
        {{"--colour"}, 2, "", "unknown option '--colour': the options are --guests, --experiments, --coin-share, --seed"},
        {{"stray"}, 2, "", "unexpected argument 'stray'"},
        {{"--lang", "fr", "--guests", "10", "--experiments", "1"}, 2, "", "--lang takes en \\(English\\) or ja .* not 'fr'"},
        {{"-g", "10", "-e", "1", "--csv", ""}, 2, "", "--csv takes a file name"},
        {{"-g", "10", "-e", "1", "--csv", folder.path()}, 2, "", "--csv .* cannot be written: It is a folder"},
        {{"-g", "10", "-e", "1", "--csv", aFile + "/t.csv"}, 2, "", "--csv .*/a.txt/t.csv cannot be written: "},
        {{"-g", "10", "-e", "1", "--csv", "/dev/null"}, 2, "", "--csv /dev/null cannot be written: It is not a regular"},
        {{"-g", "10", "-e", "1", "--trace", ""}, 2, "", "--trace takes a file name, not an empty name"},
        {{"-g", "10", "-e", "1", "--coin-share", "0"}, 2, "", "--coin-share takes a whole number from 1 to 99, not '0'"},
        {{"-g", "10", "-e", "1", "--coin-share", "100"}, 2, "", "--coin-share takes a whole number from 1 to 99, not '100'"},
        {{"-g", "10", "-e", "2", "--coin-share", "1", "--seed", "3"}, 0,
         "^Coinwell: 10 guests x 2 experiments, 1% of guests paying with a coin, seed 3\n", ""},
        {{"-g", "10", "-e", "1", "--trace", folder.path()}, 2, "", "--trace .* cannot be written: It is a folder"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = runProgram(c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(outcome.status, c.status) << outcome.err.toStdString();
        for (const auto& [stream, pattern] : {std::pair{outcome.out, c.out}, std::pair{outcome.err, c.err}}) {
            EXPECT_THAT(stream.toStdString(), *pattern != '\0' ? ContainsRegex(pattern) : Matcher<std::string>(IsEmpty()));
        }
        if (c.status == 2) {
            EXPECT_EQ(outcome.err.count('\n'), 1) << "one line";
            EXPECT_TRUE(outcome.err.startsWith("coinwell: "));
        }
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.txt"}) << "nothing left behind";
}

// What the program writes is in the language --lang names, else in the
// locale's (which of the locale's variables counts is Qt's to decide);
// Japanese has kana, English none.
TEST(BatchMode, WritesInTheLanguageOfTheLocaleUnlessLangSaysOtherwise)
{
    const struct {
        const char* what;
        QStringList lang;
        Environment locale;
        bool japanese;
    } cases[] = {
        {"no locale", {}, {}, false}, {"a Japanese locale", {}, {{"LANG", "ja_JP.UTF-8"}}, true},
        {"another language", {}, {{"LANG", "de_DE.UTF-8"}}, false}, {"--lang ja", {"--lang=ja"}, {{"LC_ALL", "C"}}, true},
        {"--lang before the locale", {"--lang", "en"}, {{"LANG", "ja_JP.UTF-8"}}, false},
    };
    for (const auto& c : cases) {
        const Outcome help = runProgram(QStringList{"--help"} + c.lang, Output::ToTest, c.locale);
        EXPECT_EQ(help.status, 0) << c.what;
        EXPECT_EQ(QString::fromUtf8(help.out).contains(QRegularExpression(QStringLiteral("[\\x{3041}-\\x{30FF}]"))),
                  c.japanese)
            << c.what << "\n" << help.out.toStdString();
    }
}

// Output that cannot be written whole is an error, named with its stream
// and the reason, never a success.
TEST(BatchMode, OutputThatCannotBeWrittenIsAnError)
{
    const QStringList run{"--guests", "10", "--experiments", "5", "--seed", "1"};
    for (const auto& [output, reason] :
         {std::pair{Output::ToFullDisk, "No space left on device"}, std::pair{Output::ToClosedPipe, "Broken pipe"}}) {
        for (const QStringList& extra : {QStringList{}, QStringList{"--csv", "-"}}) {
            SCOPED_TRACE(extra.join(' ').toStdString() + reason);
            const Outcome outcome = runProgram(run + extra, output);
            EXPECT_EQ(outcome.status, 1);
            EXPECT_EQ(outcome.err.count("coinwell: standard output could not be written: " + QByteArray(reason) + '\n'), 1)
                << outcome.err.toStdString();
        }
    }
}

// One seeded million-experiment run per number of guests, its table sent to
// standard output and its report to standard error; the shortest run again
// with the table in a file gives the same bytes. The exact coins to have
// ready for 90, 95 and 99 % of meetings, and the exact standard deviation,
// are those of the reflection principle (the deviation worked out in exact
// rationals); a million meetings come within a coin of them, and within 1 %
// of the deviation.
TEST(BatchMode, SeededMillionFollowsTheExactLawAndRepeatsByteForByte)
{
    struct Case {
        const char* guests;
        std::array<int, 3> exactCoins;
        double exactDeviation;
    };
    const QTemporaryDir folder;
    for (const auto& [guests, exactCoins, exactDeviation] :
         {Case{"10", {5, 6, 8}, 2.0478736828949557}, Case{"100", {16, 19, 25}, 6.074992421499229},
          Case{"1000", {52, 61, 81}, 19.077433210507305}}) {
        SCOPED_TRACE(guests);
        const QStringList run{"--guests", guests, "--experiments", "1000000", "--seed", "20240601"};
        const Outcome piped = runProgram(run + QStringList{"--csv", "-"});
        ASSERT_EQ(piped.status, 0) << piped.err.toStdString();

        QList<QByteArray> rows = piped.out.split('\n');
        ASSERT_TRUE(rows.takeFirst().startsWith("shortage,count,expected_count,"));
        ASSERT_EQ(rows.takeLast(), "");
        qint64 counted = 0;
        double expected = 0.0;
        int shortage = rows.front().split(',').front().toInt();
        for (const QByteArray& row : rows) {
            const QList<QByteArray> cells = row.split(',');
            ASSERT_EQ(cells.size(), 10) << row.toStdString();
            EXPECT_EQ(cells[0].toInt(), shortage++) << "one row per shortage";
            counted += cells[1].toLongLong();
            expected += cells[2].toDouble();
            EXPECT_EQ(cells[7], "20240601");
        }
        EXPECT_EQ(shortage, 2) << "the last row is +1";
        EXPECT_EQ(counted, 1000000);
        EXPECT_NEAR(expected, 1000000.0, 0.0001 * static_cast<double>(rows.size()));

        const auto fit = QRegularExpression(R"(Chi-square against the exact law: ([\d.]+) with (\d+) degrees of freedom, )"
                                            R"(p-value ([\d.]+)\n)")
                             .match(QString::fromUtf8(piped.err));
        ASSERT_TRUE(fit.hasMatch()) << piped.err.toStdString();
        std::cout << "[ stats    ] " << guests << " guests: chi-square " << fit.captured(1).toStdString() << " with "
                  << fit.captured(2).toStdString() << " degrees of freedom, p = " << fit.captured(3).toStdString()
                  << "\n";
        EXPECT_GT(fit.captured(3).toDouble(), 0.001);

        ASSERT_TRUE(piped.err.contains("\nCoins to have ready so that every guest gets change (run / exact):\n"));
        for (std::size_t i = 0; i < exactCoins.size(); ++i) {
            const int percent = std::array{90, 95, 99}[i];
            const auto ready = QRegularExpression(QStringLiteral(R"(\n  in %1% of meetings: +(\d+) / +(\d+)\n)").arg(percent))
                                   .match(QString::fromUtf8(piped.err));
            ASSERT_TRUE(ready.hasMatch()) << percent << " %";
            EXPECT_EQ(ready.captured(2).toInt(), exactCoins[i]) << percent << " %";
            EXPECT_LE(std::abs(ready.captured(1).toInt() - exactCoins[i]), 1) << percent << " %";
            // The same answers again, with the range a million experiments leave around the run's.
            const auto range = QRegularExpression(QStringLiteral(R"(\n  in %1% of meetings: (\d+) coins \(a run this size )"
                                                                 R"(says (\d+) to (\d+); exact (\d+)\)\n)")
                                                      .arg(percent))
                                   .match(QString::fromUtf8(piped.err));
            ASSERT_TRUE(range.hasMatch()) << percent << " %";
            EXPECT_EQ(range.captured(1).toInt(), ready.captured(1).toInt()) << percent << " %";
            EXPECT_EQ(range.captured(4).toInt(), exactCoins[i]) << percent << " %";
            EXPECT_LE(range.captured(2).toInt(), range.captured(1).toInt()) << percent << " %";
            EXPECT_GE(range.captured(3).toInt(), range.captured(1).toInt()) << percent << " %";
            EXPECT_LE(range.captured(3).toInt() - range.captured(2).toInt(), 1) << percent << " %";
        }

        // The average's spread and interval: SE = sd / 1000, the interval the
        // average +- 1.96 SE, all to the three decimals written.
        const auto spread = QRegularExpression(R"(\nAverage shortage: (\S+)\nExact mean: +(\S+)\n(?:.|\n)*)"
                                               R"(\nStandard deviation of the shortage: (\S+)\n)"
                                               R"(Exact standard deviation: (\S+)\nStandard error of the average: (\S+)\n)"
                                               R"(95% interval for the mean: (\S+) to (\S+), exact mean (inside|outside)\n)")
                                .match(QString::fromUtf8(piped.err));
        ASSERT_TRUE(spread.hasMatch()) << piped.err.toStdString();
        const auto value = [&](int i) { return spread.captured(i).toDouble(); };
        EXPECT_NEAR(value(4), exactDeviation, 0.0005);
        EXPECT_NEAR(value(3), exactDeviation, 0.01 * exactDeviation);
        EXPECT_NEAR(value(5), value(3) / 1000, 0.001);
        EXPECT_NEAR((value(6) + value(7)) / 2, value(1), 0.001);
        EXPECT_NEAR(value(7) - value(6), 2 * 1.96 * value(3) / 1000, 0.002);
        EXPECT_EQ(spread.captured(8) == "inside", value(6) <= value(2) && value(2) <= value(7));

        if (guests != QByteArray("10")) {
            continue;
        }
        const QString table = folder.filePath(QStringLiteral("%1.csv").arg(guests));
        const Outcome saved = runProgram(run + QStringList{"--csv", table});
        EXPECT_EQ(saved.status, 0);
        EXPECT_EQ(saved.out, piped.err);
        EXPECT_TRUE(saved.err.isEmpty());
        QFile file(table);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), piped.out);
    }
}

// A trace of a seeded run over three blocks of experiments: its rows at 1,
// 2, 5, ... and the whole run, each what a run of only that many
// experiments from the same seed reports, as those are the same first
// experiments; the first row has no standard error.
TEST(BatchMode, TraceRowsAreWhatTheFirstExperimentsOfTheRunSay)
{
    const QTemporaryDir folder;
    const QString trace = folder.filePath(QStringLiteral("trace.csv"));
    const auto seeded = [](const char* experiments) {
        return QStringList{"--guests", "100", "--experiments", experiments, "--seed", "5"};
    };
    const Outcome traced = runProgram(seeded("150000") + QStringList{"--trace", trace});
    ASSERT_EQ(traced.status, 0) << traced.err.toStdString();
    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QList<QByteArray> rows = file.readAll().split('\n');
    ASSERT_EQ(rows.takeFirst(), "experiments,average_shortage,standard_error,coins_90,coins_95,coins_99");
    ASSERT_EQ(rows.takeLast(), "");
    QList<QByteArray> counts;
    for (const QByteArray& row : rows) {
        counts.push_back(row.split(',').front());
    }
    EXPECT_EQ(counts.join(' '), "1 2 5 10 20 50 100 200 500 1000 2000 5000 10000 20000 50000 100000 150000");
    EXPECT_EQ(rows.front().split(',')[2], "");

    // The report's numbers of a run of n experiments, as the trace writes them.
    const auto reported = [&](const char* experiments) {
        const Outcome run = runProgram(seeded(experiments) + QStringList{"--csv", "-"});
        const QString report = QString::fromUtf8(run.err);
        const auto pick = [&](const QString& pattern) {
            return QRegularExpression(pattern).match(report).captured(1);
        };
        QStringList cells{experiments, QString::fromUtf8(run.out.split('\n')[1].split(',')[5]),
                          pick(R"(Standard error of the average: (\S+)\n)")};
        for (const int percent : {90, 95, 99}) {
            cells.push_back(pick(QStringLiteral(R"(\n  in %1% of meetings: +(\d+) / )").arg(percent)));
        }
        return cells;
    };
    for (const auto& [experiments, row] : {std::pair{"1000", 9}, std::pair{"100000", 15}, std::pair{"150000", 16}}) {
        SCOPED_TRACE(experiments);
        const QStringList expected = reported(experiments);
        const QList<QByteArray> cells = rows[row].split(',');
        ASSERT_EQ(cells.size(), 6);
        EXPECT_EQ(cells[0], expected[0]);
        EXPECT_EQ(cells[1], expected[1]) << "the average";
        EXPECT_NEAR(cells[2].toDouble(), expected[2].toDouble(), 0.0005) << "the standard error, to the report's decimals";
        for (int share = 3; share < 6; ++share) {
            EXPECT_EQ(cells[share], expected[share]) << "the coins";
        }
    }
}

// The fair coin's share gives today's bytes, report and table alike; another
// share names itself in the report and in a column of the table of its own,
// and its run follows its own exact law.
TEST(BatchMode, ACoinShareNamesItselfAndFollowsItsLaw)
{
    const QStringList run{"--guests", "35", "--experiments", "200000", "--seed", "1", "--csv", "-"};
    const Outcome fair = runProgram(run);
    const Outcome half = runProgram(run + QStringList{"--coin-share", "50"});
    EXPECT_EQ(half.out, fair.out);
    EXPECT_EQ(half.err, fair.err);

    const Outcome forty = runProgram(run + QStringList{"--coin-share", "40"});
    ASSERT_EQ(forty.status, 0) << forty.err.toStdString();
    EXPECT_TRUE(forty.err.startsWith("Coinwell: 35 guests x 200000 experiments, 40% of guests paying with a coin, seed 1\n"));
    QList<QByteArray> rows = forty.out.split('\n');
    EXPECT_TRUE(rows.takeFirst().endsWith(",exact_share_at_least,coin_share"));
    rows.removeLast();
    for (const QByteArray& row : rows) {
        EXPECT_TRUE(row.endsWith(",40")) << row.toStdString();
    }
    const auto fit = QRegularExpression(R"(p-value ([\d.]+)\n)").match(QString::fromUtf8(forty.err));
    ASSERT_TRUE(fit.hasMatch());
    EXPECT_GT(fit.captured(1).toDouble(), 0.001);
    // Fewer guests paying with a coin need more coins than the fair coin's.
    const auto coins = [](const Outcome& outcome) {
        return QRegularExpression(R"(\n  in 95% of meetings: +(\d+) / +(\d+)\n)").match(QString::fromUtf8(outcome.err));
    };
    EXPECT_GT(coins(forty).captured(2).toInt(), coins(fair).captured(2).toInt());
    EXPECT_LE(std::abs(coins(forty).captured(1).toInt() - coins(forty).captured(2).toInt()), 1);
}

// The class's meetings from a file: beside the run in the report and in a
// column of the table; a wrong entry or a file that cannot be read stops
// the run before it starts, named.
TEST(BatchMode, TheClassMeetingsStandBesideTheRun)
{
    const QTemporaryDir folder;
    const auto file = [&](const char* name, const QByteArray& text) {
        QFile out(folder.filePath(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
        return out.fileName();
    };
    const QString good = file("good.txt", "-3, -5\n0 1 -2\nTTTTTHHHHHTTTTTTTHHHHHHHHTTTTTTTTTT\n");
    const Outcome run = runProgram({"-g", "35", "-e", "100", "--seed", "2", "--class", good, "--csv", "-"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith("\nThe class's meetings: 6, average shortage -3.00\n"
                                 "Too few meetings for a chi-square test against the exact law\n"))
        << run.err.toStdString();
    QList<QByteArray> rows = run.out.split('\n');
    EXPECT_TRUE(rows.takeFirst().endsWith(",class_count"));
    rows.removeLast();
    int counted = 0;
    for (const QByteArray& row : rows) {
        const QList<QByteArray> cells = row.split(',');
        counted += cells.back().toInt();
        if (cells.front() == "-9") {
            EXPECT_EQ(cells.back(), "1") << "the tosses' lowest balance: 5 T, 5 H, 7 T, 8 H, 10 T reach -9";
        }
    }
    EXPECT_EQ(counted, 6);

    const struct {
        QString path;
        const char* err;
    } refused[] = {
        {file("bad.txt", "-3 -40 1"), "--class .*/bad.txt: '-40' is not possible with 35 guests: a shortage lies between -35 and 1"},
        {folder.filePath("none.txt"), "--class .*/none.txt cannot be read: "},
    };
    for (const auto& r : refused) {
        const Outcome outcome = runProgram({"-g", "35", "-e", "100", "--class", r.path});
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.out.isEmpty());
        EXPECT_THAT(outcome.err.toStdString(), ContainsRegex(r.err));
    }
}

}  // namespace
