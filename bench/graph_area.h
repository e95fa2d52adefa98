#pragma once

#include "desktop/toolkit/fonts.h"

#include <QImage>
#include <QPainter>
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

// Runs a benchmark of the graph area at a device pixel ratio of 1 and 2,
// ten times each.
inline void atOneAndTwoTimes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgName("dpr")->Arg(1)->Arg(2)->Repetitions(10)->ReportAggregatesOnly(true);
}

// paint(painter, area) as the graph area paints: on its ground, in its face.
template <typename Paint>
void paintAsTheGraphArea(QImage& image, Paint paint)
{
    image.fill(Qt::lightGray);
    QPainter painter(&image);
    painter.setFont(coinwell::gothicFont(9.0));
    paint(painter, QRectF(QPointF(0, 0), image.deviceIndependentSize()));
}
