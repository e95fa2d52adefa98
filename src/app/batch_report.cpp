#include "app/batch_report.h"

#include "core/coins_ready.h"
#include "core/goodness_of_fit.h"
#include "core/one_decimal.h"
#include "core/precision.h"
#include "desktop/toolkit/translated.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <vector>

namespace coinwell {
namespace {

// Gives the texts of this file their context for translators.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(coinwell::report)
};

// Numbers in reports and tables are written the same in every language, so
// the same seed gives the same bytes and scripts can read them.
QString fixed(double value, int decimals) { return QString::fromStdString(core::fixedDecimals(value, decimals)); }

QString seedText(const core::RunRecord& record) { return record.seed ? QString::number(*record.seed) : QString(); }

}  // namespace

QString textReport(const core::RunRecord& record)
{
    const core::RunResult& result = record.result;
    const std::optional<core::ChiSquareTest> test = core::chiSquareTest(result.counts, record.law);
    QString report;
    report += Text::tr("Coinwell: %1 guests x %2 experiments")
                  .arg(result.settings.guestCount)
                  .arg(result.settings.experimentCount);
    if (const std::optional<core::Message> share = core::coinShareWords(result.settings.coinPercent)) {
        report += translated(*share);
    }
    if (record.seed) {
        report += Text::tr(", seed %1").arg(seedText(record));
    }
    report += u'\n';
    report += Text::tr("Average shortage: %1").arg(fixed(result.meanShortage(), 3)) + u'\n';
    report += Text::tr("Exact mean:       %1").arg(fixed(record.law.mean(), 3)) + u'\n';
    if (test) {
        report += Text::tr("Chi-square against the exact law: %1 with %2 degrees of freedom, p-value %3")
                      .arg(fixed(test->statistic, 2))
                      .arg(test->degreesOfFreedom)
                      .arg(fixed(test->pValue, 4));
    } else {
        report += Text::tr("Chi-square against the exact law: the run is too small for the test");
    }
    report += u'\n';

    // The secretary's answer, the run's beside the law's, so that a class
    // sees how close a million meetings come to it.
    report += u'\n' + Text::tr("Coins to have ready so that every guest gets change (run / exact):") + u'\n';
    for (const int percent : core::kReadyPercents) {
        report += Text::tr("  in %1% of meetings: %2 / %3")
                      .arg(percent)
                      .arg(core::coinsToHaveReady(result.counts, percent), 3)
                      .arg(core::coinsToHaveReady(record.law, percent), 3) +
                  u'\n';
    }

    // The most frequent shortages, the higher first among equals, shown
    // from the lowest up as on the graph.
    constexpr std::size_t kShown = 20;
    constexpr int kBarWidth = 50;
    std::vector<int> shown;
    for (int shortage = core::ShortageCounts::kHighestShortage; shortage >= result.counts.lowest(); --shortage) {
        if (result.counts.at(shortage) > 0) {
            shown.push_back(shortage);
        }
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [&](int a, int b) { return result.counts.at(a) > result.counts.at(b); });
    shown.resize(std::min(shown.size(), kShown));
    std::sort(shown.begin(), shown.end());
    if (!shown.empty()) {
        const double largest = result.counts.at(*std::max_element(
            shown.begin(), shown.end(), [&](int a, int b) { return result.counts.at(a) < result.counts.at(b); }));
        report += u'\n' + Text::tr("The %1 most frequent shortages (shortage, experiments, share):").arg(shown.size());
        report += u'\n';
        for (const int shortage : shown) {
            const std::int32_t count = result.counts.at(shortage);
            const double share = 100.0 * count / result.settings.experimentCount;
            report += QStringLiteral("%1 %2 %3% %4\n")
                          .arg(shortage, 5)
                          .arg(count, 9)
                          .arg(fixed(share, 2), 6)
                          .arg(QString(static_cast<qsizetype>(std::lround(kBarWidth * count / largest)), u'#'));
        }
    }

    // How sure the run's answers are, in the core's words.
    report += u'\n';
    for (const core::Message& line : core::precisionLines(result.counts, record.law)) {
        report += translated(line) + u'\n';
    }
    return report;
}

}  // namespace coinwell
