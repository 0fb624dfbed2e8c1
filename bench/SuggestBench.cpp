#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <memory>

#include "LargeHospital.h"
#include "core/demo/DemoDatabase.h"
#include "database/sqlite/SqliteConnection.h"
#include "core/suggest/SuggestSource.h"

// Suggestions against an inventory of 100,000 active items: the first one reads the items and builds
// the index, each later one checks that the index is still fresh and ranks.

namespace esoa {
namespace {

constexpr int kItems = 100000;

struct SuggestHospital {
    QTemporaryDir dir;
    std::unique_ptr<Connection> c;
    SuggestHospital() {
        c = demo::OpenDemo(dir.path(), QStringLiteral(ESOA_BENCH_REFERENCE_DIR));
        // Item names built from the demo's generic names, strengths and forms, as a master grows.
        static_cast<SqliteConnection&>(*c).RunScript(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
            "INSERT INTO Inventory.tbInvMaster (ItemID, ItemName, ItemDesc, GenericID, itemstatus) "
            "SELECT 500000+i, g.GenericName || ' ' || (5*(1+i%200)) || "
            "CASE i%4 WHEN 0 THEN 'mg tab' WHEN 1 THEN ' mg capsule' WHEN 2 THEN 'mg/5mL syr' ELSE ' mcg amp' END "
            "|| ' (brand ' || (i%97) || ')', '', g.GenericID, 0 FROM n JOIN Inventory.tbForGeneric g "
            "ON g.GenericID = 1 + (n.i % (SELECT COUNT(*) FROM Inventory.tbForGeneric))")
                                                         .arg(kItems));
    }
};

SuggestHospital& hospital() {
    static SuggestHospital h;
    return h;
}

assist::CandidateSource inventory() {
    assist::CandidateSource s;
    s.linkTable = QStringLiteral("ESOA_ER_LINK");
    return s;
}

void BM_SuggestFirst(benchmark::State& state) {
    SuggestHospital& h = hospital();
    for (auto _ : state) {
        assist::SuggestCache cache;
        benchmark::DoNotOptimize(cache.IndexFor(*h.c, inventory()).Suggest(QStringLiteral("PARACETAMOL 500 mg tablet")));
    }
}
BENCHMARK(BM_SuggestFirst)->Unit(benchmark::kMillisecond);

void BM_SuggestLater(benchmark::State& state) {
    SuggestHospital& h = hospital();
    assist::SuggestCache cache;
    cache.IndexFor(*h.c, inventory());
    const QString queries[] = {QStringLiteral("AMOXICILLIN 250 mg/5 mL suspension, 60 mL"),
                               QStringLiteral("IBUPROFEN 400 mg tablet"), QStringLiteral("KETOROLAC 30 mg/mL ampule")};
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(cache.IndexFor(*h.c, inventory()).Suggest(queries[i++ % 3]));
}
BENCHMARK(BM_SuggestLater)->Unit(benchmark::kMillisecond);

// The same among the 950,000 active items of a large hospital (LargeHospital): the first suggestion of a
// window, and a later one of the same window.
void BM_SuggestLargeFirst(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    for (auto _ : state) {
        assist::SuggestCache cache;
        benchmark::DoNotOptimize(
            cache.IndexFor(h.connection(), inventory()).Suggest(QStringLiteral("PARACETAMOL 500 mg tablet")));
    }
}
BENCHMARK(BM_SuggestLargeFirst)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SuggestLargeLater(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    assist::SuggestCache cache;
    cache.IndexFor(h.connection(), inventory());
    const QString queries[] = {QStringLiteral("AMOXICILLIN 250 mg/5 mL suspension, 60 mL"),
                               QStringLiteral("IBUPROFEN 400 mg tablet"), QStringLiteral("KETOROLAC 30 mg/mL ampule")};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.IndexFor(h.connection(), inventory()).Suggest(queries[i++ % 3]));
}
BENCHMARK(BM_SuggestLargeLater)->Unit(benchmark::kMillisecond);

void BM_SuggestLargeRankOnly(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    assist::SuggestCache cache;
    const assist::SuggestIndex& index = cache.IndexFor(h.connection(), inventory());
    const QString queries[] = {QStringLiteral("AMOXICILLIN 250 mg/5 mL suspension, 60 mL"),
                               QStringLiteral("IBUPROFEN 400 mg tablet"), QStringLiteral("KETOROLAC 30 mg/mL ampule")};
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(index.Suggest(queries[i++ % 3]));
}
BENCHMARK(BM_SuggestLargeRankOnly)->Unit(benchmark::kMillisecond);

void BM_SuggestLargeFingerprint(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    for (auto _ : state) benchmark::DoNotOptimize(assist::Fingerprint(h.connection(), inventory()));
}
BENCHMARK(BM_SuggestLargeFingerprint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace esoa
