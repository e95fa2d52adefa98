#pragma once

#include "platform/forms/layout.h"

#include <QFont>
#include <QString>

namespace coinwell::platform {

// The Japanese proportional Gothic face the layouts ask for, or the closest
// face installed: IPAPGothic, then any proportional face with Japanese glyphs.
QString GothicFamily();

QFont GothicFont(const FontSpec& size);

}  // namespace coinwell::platform
