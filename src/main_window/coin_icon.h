#pragma once

#include <QIcon>
#include <QImage>

namespace coinwell::main_window {

// The program's icon: a yellow 500-yen coin with a black rim and a red 500,
// on a blue ground. Opaque, 24-bit colour, drawn at any size.
QImage CoinIconImage(int size);

// The window icon, 32 x 32.
QIcon CoinIcon();

}  // namespace coinwell::main_window
