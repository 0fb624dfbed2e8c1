#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <optional>

#include "LargeHospital.h"
#include "core/demo/DemoDatabase.h"
#include "core/lookup/HospitalLists.h"
#include "core/suggest/SuggestSource.h"
#include "database/sqlite/InventoryNameIndex.h"
#include "database/sqlite/SqliteConnection.h"

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
        static_cast<SqliteConnection&>(*c).RunScript(
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < %1) "
                "INSERT INTO Inventory.tbInvMaster (ItemID, ItemName, ItemDesc, GenericID, itemstatus) "
                "SELECT 500000+i, g.GenericName || ' ' || (5*(1+i%200)) || "
                "CASE i%4 WHEN 0 THEN 'mg tab' WHEN 1 THEN ' mg capsule' WHEN 2 THEN 'mg/5mL syr' ELSE ' mcg "
                "amp' END "
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
        benchmark::DoNotOptimize(
            cache.IndexFor(*h.c, inventory()).Suggest(QStringLiteral("PARACETAMOL 500 mg tablet")));
    }
}
BENCHMARK(BM_SuggestFirst)->Unit(benchmark::kMillisecond);

void BM_SuggestLater(benchmark::State& state) {
    SuggestHospital& h = hospital();
    assist::SuggestCache cache;
    cache.IndexFor(*h.c, inventory());
    const QString queries[] = {QStringLiteral("AMOXICILLIN 250 mg/5 mL suspension, 60 mL"),
                               QStringLiteral("IBUPROFEN 400 mg tablet"),
                               QStringLiteral("KETOROLAC 30 mg/mL ampule")};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(cache.IndexFor(*h.c, inventory()).Suggest(queries[i++ % 3]));
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
                               QStringLiteral("IBUPROFEN 400 mg tablet"),
                               QStringLiteral("KETOROLAC 30 mg/mL ampule")};
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
                               QStringLiteral("IBUPROFEN 400 mg tablet"),
                               QStringLiteral("KETOROLAC 30 mg/mL ampule")};
    int i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(index.Suggest(queries[i++ % 3]));
}
BENCHMARK(BM_SuggestLargeRankOnly)->Unit(benchmark::kMillisecond);

void BM_SuggestLargeFingerprint(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    for (auto _ : state) benchmark::DoNotOptimize(assist::Fingerprint(h.connection(), inventory()));
}
BENCHMARK(BM_SuggestLargeFingerprint)->Unit(benchmark::kMillisecond);

// The floor of a first suggestion: the active items with their generic names read by the statement that
// feeds the index, each row handed over and dropped.
void BM_SuggestLargeReadFloor(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    for (auto _ : state) {
        size_t n = 0;
        h.connection().ReadEach(ActiveInventoryStatement(),
                                [&n](const QStringList& row) { n += size_t(row.size()); });
        benchmark::DoNotOptimize(n);
    }
}
BENCHMARK(BM_SuggestLargeReadFloor)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every code of the ER list (20,000), as `suggest --list er --all --limit 5` runs them: each searched
// where its category routes, one index for each source.
void BM_SuggestLargeAll(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    const QueryResult codes = h.connection().RunSqlite(
        QStringLiteral("SELECT Description, Category FROM Build_FIle.ESOA_ER ORDER BY ID"));
    size_t lines = 0;
    for (auto _ : state) {
        std::map<QString, std::unique_ptr<assist::SuggestIndex>> indexes;
        QHash<QString, std::optional<assist::CandidateSource>> byCategory;
        lines = 0;
        for (const QStringList& code : codes.rows) {
            auto known = byCategory.find(code[1]);
            if (known == byCategory.end()) {
                assist::CandidateSource source;  // no link table: the codes are not listed
                known = byCategory.insert(code[1],
                                          assist::SourceOfCategory(QStringLiteral("ESOA_ER"), code[1], source)
                                              ? std::optional<assist::CandidateSource>(source)
                                              : std::nullopt);
            }
            if (!known->has_value()) continue;
            const assist::CandidateSource& source = **known;
            std::unique_ptr<assist::SuggestIndex>& index =
                indexes[source.inventory ? QString() : source.examTable + source.section];
            if (!index) {
                index = std::make_unique<assist::SuggestIndex>(assist::ReadIndex(h.connection(), {source}));
            }
            lines += size_t(index->Suggest(code[0], 5).size());
        }
    }
    state.counters["codes"] = double(codes.rows.size());
    state.counters["lines"] = double(lines);
}
BENCHMARK(BM_SuggestLargeAll)->Unit(benchmark::kSecond)->Iterations(1);

// The first opening of the large hospital's files as an older version left them: without the indexes
// of the program's own and under an older text order. The files are copied and made older before
// each opening, outside the time.
void BM_FirstOpenOfOlderFiles(benchmark::State& state) {
    LargeHospital& h = LargeHospital::Get();
    h.connection().RunSqlite(QStringLiteral("PRAGMA Build_FIle.wal_checkpoint(TRUNCATE)"));
    h.connection().RunSqlite(QStringLiteral("PRAGMA Inventory.wal_checkpoint(TRUNCATE)"));
    int told = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        for (const char* file : {kBuildFileDb, kInventoryDb})
            QFile::copy(QDir(h.folder()).filePath(QLatin1String(file)), dir.filePath(QLatin1String(file)));
        {
            SqliteConnection older(dir.path(), {});
            for (const QString& statement : sql::ItemNameTextIndex::DropStatements())
                older.RunSqlite(statement);
            for (const char* schema : {"Build_FIle", "Inventory"}) {
                const QString s = QLatin1String(schema);
                for (const QStringList& index :
                     older
                         .RunSqlite(
                             QStringLiteral("SELECT name FROM %1.sqlite_master WHERE type = 'index' AND "
                                            "instr(name, '__esoa_') > 0")
                                 .arg(s))
                         .rows)
                    older.RunSqlite(QStringLiteral("DROP INDEX %1.\"%2\"").arg(s, index.front()));
                older.RunSqlite(QStringLiteral("PRAGMA %1.user_version=1").arg(s));
            }
        }
        SqliteConnection::Options options;
        options.upkeep = [&told](const UpkeepProgress&) { ++told; };
        state.ResumeTiming();
        SqliteConnection first(dir.path(), options);
        benchmark::DoNotOptimize(first.PendingUpkeep());
    }
    state.counters["reports"] = told;
}
BENCHMARK(BM_FirstOpenOfOlderFiles)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace esoa
