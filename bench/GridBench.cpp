#include <benchmark/benchmark.h>

#include <QApplication>

#include "database/Connection.h"
#include "window/screen/FlexGrid.h"

namespace esoa {
namespace {

constexpr int kRows = 100000;
constexpr int kCols = 6;

// A result shaped like an inventory search: an ID, a long name and a few short columns.
ReadResult LargeResult() {
    ReadResult result;
    result.fields = {"ItemID", "ItemName", "ItemDesc", "GenericName", "RevenueID", "SectionID"};
    result.rows.reserve(kRows);
    for (int r = 0; r < kRows; ++r) {
        result.rows.push_back({QString::number(100000 + r),
                               QStringLiteral("PARACETAMOL 500 MG TABLET, BOX OF 100 No.%1").arg(r),
                               QStringLiteral("TAB"), QStringLiteral("PARACETAMOL"), QStringLiteral("PH"),
                               QString::number(r % 40)});
    }
    return result;
}

// The grid as the screen shows it: on screen, with a hidden first column and a few set widths.
void ShowGrid(FlexGrid& grid) {
    grid.setColWidth(0, 0);
    grid.setColWidth(1, 5200);
    grid.setColWidth(2, 1200);
    grid.resize(900, 500);
    grid.show();
    QApplication::processEvents();
}

// One list read as the screen does it: reset, fill with the whole result, and let the view update.
// Building the result stands for the database read and is not timed.
void BM_GridFill100kx6(benchmark::State& state) {
    FlexGrid grid;
    ShowGrid(grid);
    for (auto _ : state) {
        state.PauseTiming();
        ReadResult result = LargeResult();
        state.ResumeTiming();
        grid.Reset();
        grid.Fill(std::move(result.fields), std::move(result.rows));
        grid.repaint();
        QApplication::processEvents();
        benchmark::DoNotOptimize(grid.Rows());
    }
    state.counters["rows"] = grid.Rows() - 1;
}
BENCHMARK(BM_GridFill100kx6)->Unit(benchmark::kMillisecond);

// Scrolling through the filled list a page at a time, each step painted before the next.
void BM_GridScrollPage(benchmark::State& state) {
    FlexGrid grid;
    ShowGrid(grid);
    ReadResult large = LargeResult();
    grid.Fill(std::move(large.fields), std::move(large.rows));
    QApplication::processEvents();
    const int page = grid.viewport()->height() / grid.rowHeight(0);
    int top = 1;
    for (auto _ : state) {
        top += page;
        if (top >= grid.Rows()) top = 1;
        grid.setTopRow(top);
        grid.repaint();
        QApplication::processEvents();
    }
    state.counters["rows_per_step"] = page;
}
BENCHMARK(BM_GridScrollPage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace esoa
