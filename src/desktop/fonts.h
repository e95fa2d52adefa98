#pragma once

#include <QFont>
#include <QString>

namespace coinwell {

// The Japanese proportional Gothic face the windows are laid out for, or the
// closest face installed: IPAPGothic, then any proportional face with
// Japanese glyphs.
QString gothicFamily();

QFont gothicFont(qreal points, bool bold = false);

}  // namespace coinwell
