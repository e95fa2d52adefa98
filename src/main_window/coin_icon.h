#pragma once

#include <QIcon>
#include <QImage>

namespace coinwell {

// The program's icon: a yellow 500-yen coin with a black rim and a red 500,
// on a blue ground. Opaque, 24-bit colour, drawn at any size.
QImage coinIconImage(int size);

// The window icon, 32 x 32.
QIcon coinIcon();

}  // namespace coinwell
