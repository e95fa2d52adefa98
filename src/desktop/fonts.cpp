#include "desktop/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace coinwell {

QString gothicFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& preferred : {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                                         QStringLiteral("IPAPGothic")}) {
            if (installed.contains(preferred)) {
                return preferred;
            }
        }
        for (const QString& candidate : QFontDatabase::families(QFontDatabase::Japanese)) {
            if (!QFontDatabase::isFixedPitch(candidate)) {
                return candidate;
            }
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
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

}  // namespace coinwell
