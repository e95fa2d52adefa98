#pragma once

#include <QImage>

namespace coinwell {

// The program's icon: a yellow 500-yen coin with a black rim and a red 500,
// on a blue ground. Opaque, 24-bit colour, drawn at any size. Painted at
// build time only; the program shows the images made then.
QImage coinIconImage(int size);

}  // namespace coinwell
