#include <benchmark/benchmark.h>

#include <QApplication>

#include "LargeHospital.h"

namespace esoa {
void ReleaseBenchFixtures();
}

// The benchmarks drive real widgets, so they need an application; headless unless a display is
// asked for.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    esoa::ReleaseBenchFixtures();
    esoa::LargeHospital::Release();
    benchmark::Shutdown();
    return 0;
}
