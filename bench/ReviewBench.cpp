#include <benchmark/benchmark.h>

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <memory>

#include "core/demo/DemoDatabase.h"
#include "core/review/ReviewQueue.h"
#include "database/SqlText.h"
#include "database/sqlite/SqliteConnection.h"

// The review of a whole list: the medicine codes of the evaluation set (data/eval/medicines.tsv, some
// 1,300 descriptions) as the item list's "Medicine" codes against its hospital master (some 21,000
// items) as the inventory. One run reads the codes and the candidates, builds the index and ranks
// every code, as `suggest --all` does; the counters tell how often the first suggestion is one of the
// expected items, how many are confident and how many of those are right.

namespace esoa {
namespace {

QString Quoted(const QString& text) {
    return QLatin1Char('\'') + sql::Escaped(text) + QLatin1Char('\'');
}

struct ReviewHospital {
    QTemporaryDir dir;
    std::unique_ptr<Connection> c;
    QHash<QString, QSet<QString>> expected;  // by code
    int items = 0;

    ReviewHospital() {
        c = demo::OpenDemo(dir.path(), QStringLiteral(ESOA_BENCH_REFERENCE_DIR));
        auto& sqlite = static_cast<SqliteConnection&>(*c);
        QFile file(QStringLiteral(ESOA_EVAL_DIR "/medicines.tsv"));
        if (!file.open(QIODevice::ReadOnly)) return;
        QStringList statements{QStringLiteral("DELETE FROM Inventory.tbInvMaster"),
                               QStringLiteral("DELETE FROM Build_FIle.ESOA_ITEM"),
                               QStringLiteral("DELETE FROM Build_FIle.ESOA_ITEM_LINK")};
        QHash<QString, int> generics;
        int codes = 0;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
            const QStringList f = line.split(QLatin1Char('\t'));
            if (f.value(0) == QLatin1String("I")) {
                QString generic = QStringLiteral("NULL");
                if (!f.value(4).isEmpty()) {
                    if (!generics.contains(f[4])) {
                        generics.insert(f[4], 900000 + int(generics.size()));
                        statements << QStringLiteral("INSERT INTO Inventory.tbForGeneric VALUES (%1, %2)")
                                          .arg(generics.value(f[4]))
                                          .arg(Quoted(f[4]));
                    }
                    generic = QString::number(generics.value(f[4]));
                }
                statements << QStringLiteral(
                                  "INSERT INTO Inventory.tbInvMaster (ItemID, ItemName, ItemDesc, GenericID, "
                                  "itemstatus) VALUES (%1, %2, '', %3, 0)")
                                  .arg(f[2], Quoted(f[3]), generic);
                ++items;
            } else if (f.value(0) == QLatin1String("Q")) {
                const QString code = QStringLiteral("EV-%1").arg(++codes, 5, 10, QLatin1Char('0'));
                const QStringList ids = f.value(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                expected.insert(code, QSet<QString>(ids.begin(), ids.end()));
                statements
                    << QStringLiteral(
                           "INSERT INTO Build_FIle.ESOA_ITEM (Code, Category, Description) VALUES (%1, "
                           "'Medicine', %2)")
                           .arg(Quoted(code), Quoted(f.value(3)));
            }
        }
        sqlite.RunScript(QStringLiteral("BEGIN;") + statements.join(QLatin1Char(';')) +
                         QStringLiteral(";COMMIT;"));
    }
};

ReviewHospital& hospital() {
    static ReviewHospital h;
    return h;
}

void BM_ReviewMedicines(benchmark::State& state) {
    ReviewHospital& h = hospital();
    int codes = 0, right = 0, confident = 0, confidentRight = 0;
    for (auto _ : state) {
        const auto queue =
            assist::ReviewQueue::Read(*h.c, ReferenceList::Item(), {QStringLiteral("Medicine"), false});
        codes = right = confident = confidentRight = 0;
        for (qsizetype i = 0; i < queue->size(); ++i) {
            const assist::ReviewRow row = queue->Rank(i);
            const bool hit = row.best && h.expected.value(row.code.code).contains(row.best->item.itemId);
            ++codes;
            right += hit ? 1 : 0;
            confident += row.confident ? 1 : 0;
            confidentRight += row.confident && hit ? 1 : 0;
        }
    }
    state.counters["items"] = h.items;
    state.counters["codes"] = codes;
    state.counters["top1_pct"] = codes ? 100.0 * right / codes : 0;
    state.counters["confident_pct"] = codes ? 100.0 * confident / codes : 0;
    state.counters["precision_pct"] = confident ? 100.0 * confidentRight / confident : 0;
}
BENCHMARK(BM_ReviewMedicines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace esoa
