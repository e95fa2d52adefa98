#include "desktop/toolkit/fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace coinwell {

QString chooseGothicFamily(const QStringList& installed, const QStringList& japaneseProportional,
                           const QString& desktopFamily)
{
    for (const QString& preferred : {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                     QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")}) {
        if (installed.contains(preferred)) {
            return preferred;
        }
    }
    static const QRegularExpression serif(QStringLiteral("mincho|明朝|(?<!sans )serif|\\bsong\\b|\\bming\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    for (const QString& candidate : japaneseProportional) {
        if (!candidate.contains(serif)) {
            return candidate;
        }
    }
    if (installed.contains(QStringLiteral("DejaVu Sans"))) {
        return QStringLiteral("DejaVu Sans");
    }
    return desktopFamily;
}

QString gothicFamily()
{
    static const QString family = [] {
        QStringList japaneseProportional;
        for (const QString& candidate : QFontDatabase::families(QFontDatabase::Japanese)) {
            if (!QFontDatabase::isFixedPitch(candidate)) {
                japaneseProportional.append(candidate);
            }
        }
        return chooseGothicFamily(QFontDatabase::families(), japaneseProportional,
                                  QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    }();
    return family;
}

QFont gothicFont(qreal points, bool bold)
{
    QFont font(gothicFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

namespace {

constexpr qreal kPointStep = 0.25;

// Blanks at a line's end take room but show nothing.
qreal visibleWidth(const QFontMetricsF& metrics, const QString& line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1).isSpace()) {
        --end;
    }
    return metrics.horizontalAdvance(line.first(end));
}

bool fits(QFont font, qreal points, const QStringList& lines, const QSizeF& area)
{
    font.setPointSizeF(points);
    const QFontMetricsF metrics(font);
    return metrics.height() * static_cast<qreal>(lines.size()) <= area.height() &&
           std::all_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return visibleWidth(metrics, line) <= area.width(); });
}

}  // namespace

qreal fittingPointSize(const QFont& font, const QStringList& lines, const QSizeF& area)
{
    const qreal largest = font.pointSizeF();
    if (fits(font, largest, lines, area)) {
        return largest;
    }
    // A guess in proportion first, then quarter points either way: hinted
    // glyphs do not grow quite in step with the size.
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString& line : lines) {
        widest = std::max(widest, visibleWidth(metrics, line));
    }
    const qreal ratio = std::min(area.width() / std::max<qreal>(widest, 1),
                                 area.height() / std::max<qreal>(metrics.height() * lines.size(), 1));
    qreal points = std::clamp(std::floor(largest * ratio / kPointStep) * kPointStep, kPointStep, largest);
    while (points > kPointStep && !fits(font, points, lines, area)) {
        points -= kPointStep;
    }
    while (points + kPointStep < largest && fits(font, points + kPointStep, lines, area)) {
        points += kPointStep;
    }
    return points;
}

}  // namespace coinwell
