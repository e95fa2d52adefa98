#include "platform/forms/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace coinwell::platform {

QString GothicFamily()
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

QFont GothicFont(const FontSpec& size)
{
    QFont font(GothicFamily());
    font.setPointSizeF(size.points);
    font.setWeight(size.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace coinwell::platform
