// Measures the hospital item suggestions: top-1 and top-5 accuracy on an evaluation set, and the time to
// build the index over 100,000 items and to answer one query.
//
//   esoa_suggest_eval [EVAL_FILE] [--items N] [--runs R] [--misses K]
//
// The evaluation file (data/eval/suggest_eval.tsv, made by data/tools/make_suggest_eval.sh) holds tab-
// separated lines "I, item id, item name, generic name" and "Q, group, expected item id, description";
// lines starting with "#" are comments. Accuracy is reported per group and in total.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "ranking/SuggestIndex.h"

using esoa::assist::SuggestCandidate;
using esoa::assist::SuggestIndex;

namespace {

struct Query {
    QString group, expected, text;
};

struct EvalSet {
    QList<SuggestCandidate> items;
    QList<Query> queries;
};

EvalSet Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(2);
    }
    EvalSet set;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith('#') || line.isEmpty()) continue;
        const QStringList f = line.split('\t');
        if (f.size() >= 4 && f[0] == "I") set.items.append({f[1], f[2], f[3], {}});
        else if (f.size() >= 4 && f[0] == "Q") set.queries.append({f[1], f[2], f[3]});
    }
    return set;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void Accuracy(const EvalSet& set, int misses) {
    const SuggestIndex index(set.items);
    struct Tally {
        int n = 0, top1 = 0, top5 = 0;
    };
    QMap<QString, Tally> groups;
    for (const Query& q : set.queries) {
        const auto found = index.Suggest(q.text, 5);
        int rank = -1;
        for (int r = 0; r < found.size() && rank < 0; ++r)
            if (index.candidate(found[r].candidate).itemId == q.expected) rank = r;
        for (const QString& g : {q.group, QStringLiteral("all")}) {
            Tally& t = groups[g];
            ++t.n;
            t.top1 += rank == 0;
            t.top5 += rank >= 0;
        }
        if (rank != 0 && misses-- > 0) {
            std::printf("miss: %s [%s] -> %s\n", qPrintable(q.text), qPrintable(q.group),
                        found.isEmpty() ? "(none)" : qPrintable(index.candidate(found[0].candidate).itemName));
        }
    }
    std::printf("%zu items, %zu queries\n", size_t(set.items.size()), size_t(set.queries.size()));
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        std::printf("%-24s n=%5d  top-1 %5.1f%%  top-5 %5.1f%%\n", qPrintable(it.key()), it->n,
                    100.0 * it->top1 / it->n, 100.0 * it->top5 / it->n);
}

// A master of `count` items made from the evaluation items, each copy told apart by a pack size, so that
// posting lists grow as they do in a large real master.
QList<SuggestCandidate> Scaled(const EvalSet& set, int count) {
    QList<SuggestCandidate> items;
    items.reserve(count);
    for (int i = 0; i < count; ++i) {
        SuggestCandidate c = set.items[i % set.items.size()];
        if (i >= set.items.size()) c.itemName += QStringLiteral(" box of %1").arg(i / set.items.size() + 1);
        c.itemId = QString::number(100000 + i);
        items.append(c);
    }
    return items;
}

void Timing(const EvalSet& set, int count, int runs) {
    const QList<SuggestCandidate> items = Scaled(set, count);
    std::vector<double> builds, firsts, cpu;
    std::vector<double> queries;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        const std::clock_t c0 = std::clock();
        const SuggestIndex index(items);
        builds.push_back(t.nsecsElapsed() / 1e6);
        cpu.push_back(double(std::clock() - c0) * 1000.0 / CLOCKS_PER_SEC);
        const auto first = index.Suggest(set.queries[r % set.queries.size()].text);
        firsts.push_back(t.nsecsElapsed() / 1e6);
        if (r == 0) {
            for (const Query& q : set.queries) {
                QElapsedTimer qt;
                qt.start();
                const auto found = index.Suggest(q.text);
                queries.push_back(qt.nsecsElapsed() / 1e6);
            }
        }
    }
    std::sort(queries.begin(), queries.end());
    std::printf("%d items: build median %.0f ms (CPU %.0f ms), build + first query median %.0f ms (%d runs)\n",
                count, Median(builds), Median(cpu), Median(firsts), runs);
    std::printf("per query (%zu queries): median %.2f ms, 95th percentile %.2f ms, max %.2f ms\n",
                queries.size(), Median(queries), queries[queries.size() * 95 / 100], queries.back());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QString path = QStringLiteral(ESOA_EVAL_DIR "/suggest_eval.tsv");
    int count = 100000, runs = 5, misses = 0;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--items" && i + 1 < args.size()) count = args[++i].toInt();
        else if (args[i] == "--runs" && i + 1 < args.size()) runs = args[++i].toInt();
        else if (args[i] == "--misses" && i + 1 < args.size()) misses = args[++i].toInt();
        else path = args[i];
    }
    const EvalSet set = Load(path);
    if (set.items.isEmpty() || set.queries.isEmpty()) {
        std::fprintf(stderr, "no items or no queries in %s\n", qPrintable(path));
        return 2;
    }
    Accuracy(set, misses);
    if (count > 0 && runs > 0) Timing(set, count, runs);
    return 0;
}
