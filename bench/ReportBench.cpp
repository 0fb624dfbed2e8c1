#include <benchmark/benchmark.h>

#include "LargeHospital.h"
#include "core/coverage/Coverage.h"
#include "core/files/Csv.h"
#include "core/updates/LinkExport.h"
#include "core/updates/StaleLinks.h"
#include "database/sqlite/SqliteConnection.h"

// The reports and the export of the ER list of a large hospital (LargeHospital), each beside its
// floor: a plain SQLite query on the same files that gives the same answer.

namespace esoa {
namespace {

// The stale check as the command line writes it (the text's lines gathered under their count).
void BM_ReportStale(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    qsizetype count = 0;
    for (auto _ : state) {
        QString lines;
        count = 0;
        StaleLinks::Check(h.connection(), ReferenceList::Er(), [&](const StaleLink& s) {
            lines += StaleLinks::TextLine(s) + QLatin1Char('\n');
            ++count;
        });
        benchmark::DoNotOptimize(lines);
    }
    state.counters["stale"] = double(count);
}
BENCHMARK(BM_ReportStale)->Unit(benchmark::kMillisecond);

void BM_ExportLinks(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    int count = 0;
    for (auto _ : state) {
        qsizetype bytes = 0;
        csv::Writer records([&bytes](const QString& piece) { bytes += piece.toUtf8().size(); }, csv::Flavour::Exact);
        count = LinkExport::Write(h.connection(), ReferenceList::Er(), records);
        records.Finish();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["links"] = count;
}
BENCHMARK(BM_ExportLinks)->Unit(benchmark::kMillisecond);

void BM_ReportCoverage(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    for (auto _ : state) benchmark::DoNotOptimize(assist::Coverage::Build(h.connection(), ReferenceList::Er()).Text());
}
BENCHMARK(BM_ReportCoverage)->Unit(benchmark::kMillisecond);

// The floors run as a plain SQLite query does, through SQLite's page cache (argument 0, as the
// reports read) or through the memory mapping (1, as the window's searches read).
struct FloorMapping {
    SqliteConnection& c;
    FloorMapping(SqliteConnection& connection, const benchmark::State& state) : c(connection) { Set(state.range(0)); }
    ~FloorMapping() { Set(1); }
    void Set(int64_t mapped) {
        for (const char* schema : {"Build_FIle", "Inventory"})
            c.RunSqlite(QStringLiteral("PRAGMA %1.mmap_size=%2").arg(QLatin1String(schema)).arg(mapped ? 1 << 30 : 0));
    }
};

// The floors. Stale: each link with the first reference row of its code and its item (the inventory,
// or the exam table its revenue names, or the other-revenue table), kept when anything differs.
constexpr char kItemOfLink[] =
    "LEFT JOIN Inventory.tbInvMaster I ON L.InvOrProc = 'INV' AND I.ItemID = L.ItemID "
    "LEFT JOIN Build_FIle.tbcoLabExam B ON L.InvOrProc <> 'INV' AND L.RevenueID = 'LB' AND B.LabExamID = L.ItemID "
    "LEFT JOIN Build_FIle.tbcoXRayExam X ON L.InvOrProc <> 'INV' AND L.RevenueID = 'XR' AND X.XRayExamID = L.ItemID "
    "LEFT JOIN Build_FIle.tbcoOtherRevenue O ON L.InvOrProc <> 'INV' AND L.SectionID <> '' "
    "AND O.OtherRevenueID = L.ItemID ";

void BM_ReportStaleFloor(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    const FloorMapping mapping(h.connection(), state);
    size_t rows = 0;
    for (auto _ : state) {
        rows = h.connection()
                   .RunSqlite(QStringLiteral(
                                  "SELECT L.ID, L.Code, L.InvOrProc, L.ItemID, L.ItemDesc, "
                                  "coalesce(I.ItemName, B.LabExam, X.XRayExam, O.OtherRevenue), R.Category, "
                                  "coalesce(I.itemstatus, B.Status, X.Status, O.Status) "
                                  "FROM Build_FIle.ESOA_ER_LINK L "
                                  "LEFT JOIN Build_FIle.ESOA_ER R ON R.ID = "
                                  "(SELECT min(ID) FROM Build_FIle.ESOA_ER WHERE Code = L.Code) ") +
                              QLatin1String(kItemOfLink) +
                              QStringLiteral(
                                  "WHERE R.ID IS NULL OR R.Category IS NOT L.Category OR R.Description IS NOT "
                                  "L.Description OR R.FixedFee IS NOT L.FixedFee OR R.ChargingUnit IS NOT "
                                  "L.ChargingUnit OR coalesce(I.itemstatus, B.Status, X.Status, O.Status) IS NULL "
                                  "OR coalesce(I.itemstatus, B.Status, X.Status, O.Status) NOT IN (0, 'A') "
                                  "ORDER BY L.ID"))
                   .rows.size();
    }
    state.counters["stale"] = double(rows);
}
BENCHMARK(BM_ReportStaleFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ExportLinksFloor(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    const FloorMapping mapping(h.connection(), state);
    size_t rows = 0;
    for (auto _ : state) {
        rows = h.connection()
                   .RunSqlite(QStringLiteral("SELECT L.*, coalesce(I.ItemName, B.LabExam, X.XRayExam, O.OtherRevenue) "
                                             "FROM Build_FIle.ESOA_ER_LINK L ") +
                              QLatin1String(kItemOfLink) + QStringLiteral("ORDER BY L.ID"))
                   .rows.size();
    }
    state.counters["links"] = double(rows);
}
BENCHMARK(BM_ExportLinksFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Coverage: codes and linked codes per category, links per revenue, active items and those linked.
void BM_ReportCoverageFloor(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    SqliteConnection& c = h.connection();
    const FloorMapping mapping(c, state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(c.RunSqlite(QStringLiteral(
            "SELECT R.Category, count(*), count(DISTINCT L.Code), count(L.ID) FROM Build_FIle.ESOA_ER R "
            "LEFT JOIN Build_FIle.ESOA_ER_LINK L ON L.Code = R.Code GROUP BY R.Category")));
        benchmark::DoNotOptimize(c.RunSqlite(
            QStringLiteral("SELECT RevenueID, count(*) FROM Build_FIle.ESOA_ER_LINK GROUP BY RevenueID")));
        benchmark::DoNotOptimize(
            c.RunSqlite(QStringLiteral("SELECT count(*) FROM Inventory.tbInvMaster WHERE itemstatus = 0")));
        benchmark::DoNotOptimize(c.RunSqlite(QStringLiteral(
            "SELECT count(DISTINCT I.ItemID) FROM Build_FIle.ESOA_ER_LINK L JOIN Inventory.tbInvMaster I "
            "ON I.ItemID = L.ItemID WHERE L.InvOrProc = 'INV' AND I.itemstatus = 0")));
    }
}
BENCHMARK(BM_ReportCoverageFloor)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace esoa
