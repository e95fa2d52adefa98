#pragma once

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace coinwell {

// The Japanese proportional Gothic face the windows are laid out for, or the
// closest face installed (see chooseGothicFamily).
QString gothicFamily();

// The face for the windows among those installed: ＭＳ Ｐゴシック or
// IPAPGothic, as laid out for; else Noto Sans CJK JP; else another
// proportional Japanese face that is not a Mincho (serif) one; else DejaVu
// Sans; else the desktop's own. The Japanese faces carry the corner brackets
// and full-width parentheses of the texts, which DejaVu Sans lacks.
QString chooseGothicFamily(const QStringList& installed, const QStringList& japaneseProportional,
                           const QString& desktopFamily);

QFont gothicFont(qreal points, bool bold = false);

// The largest point size, at most the font's own and in quarter points, at
// which every line fits `area` when the lines are set one under another at
// the font's line height.
qreal fittingPointSize(const QFont& font, const QStringList& lines, const QSizeF& area);

}  // namespace coinwell
