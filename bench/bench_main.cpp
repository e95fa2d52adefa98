// Benchmarks that draw need a QApplication (offscreen under `make bench`).
#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
