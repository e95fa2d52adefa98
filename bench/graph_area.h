#pragma once

#include <QImage>
#include <QSize>

#include <benchmark/benchmark.h>

// The graph area of the main window at 100 %, at the device pixel ratio
// the benchmark's first argument gives.
inline QImage graphArea(const benchmark::State& state)
{
    const auto ratio = static_cast<qreal>(state.range(0));
    QImage image(QSize(533, 381) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}
