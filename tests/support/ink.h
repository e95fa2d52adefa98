#pragma once

// Dark pixels in a rendered image: text and lines on a light ground.

#include <QImage>

namespace coinwell::testing {

inline bool isInk(QRgb pixel) { return qGray(pixel) < 128; }

// The pixels in the area that are ink, or that pass the test given.
inline int inkIn(const QImage& image, const QRect& area, bool (*test)(QRgb) = isInk)
{
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ink += test(image.pixel(x, y));
        }
    }
    return ink;
}

// The rightmost column that holds ink in the rows from `top` to `bottom`, or -1.
inline int rightmostInk(const QImage& image, int top, int bottom)
{
    int rightmost = -1;
    for (int y = top; y <= bottom; ++y) {
        for (int x = image.width() - 1; x > rightmost; --x) {
            rightmost = isInk(image.pixel(x, y)) ? x : rightmost;
        }
    }
    return rightmost;
}

}  // namespace coinwell::testing
