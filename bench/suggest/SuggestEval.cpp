// Measures the hospital item suggestions: top-1 and top-5 accuracy and the confident suggestions'
// precision and share on an evaluation set, per group, and the time to build the index over a large
// inventory master and to answer one query.
//
//   esoa_suggest_eval [EVAL_FILE...] [--items N] [--runs R] [--misses K] [--calibrate] [--dump FILE]
//
// Without files, every data/eval/*.tsv is read (made by data/tools/make_suggest_eval.sh). Tab-separated
// lines "I, source, item id, item name, generic name" and "Q, group, expected item ids (space-separated),
// description, sources ranked (space-separated)"; lines starting with "#" are comments. Items of the
// source "inventory" are read as medicines, the others as procedures. A group is "tune/<part>",
// "calibration/<part>" or "holdout/<part>": the ranking is developed on the tune groups, the confidence
// calibrated on the calibration groups, and the holdout groups give the honest figures.
//
// --calibrate prints, for each threshold on the confidence, the precision and share of the confident
// suggestions on the calibration and on the holdout groups, and marks the lowest threshold with a
// precision of at least 99.5% on the calibration groups. --misses K prints the first K wrong first
// suggestions and every confident wrong one, each with the first five ranked (the expected ones marked
// "*"). --dump FILE writes per query its group, the rank of the expected item (-1: not among the first
// five) and the first suggestion's evidence and confidence (Suggestion), for a look at the scales.
// --items N (default 100000; 0 to skip) and --runs R (default 5) set the timing.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QSet>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <map>
#include <memory>

#include "ranking/SuggestIndex.h"

using esoa::assist::ItemKind;
using esoa::assist::SuggestCandidate;
using esoa::assist::SuggestIndex;
using esoa::assist::Suggestion;

namespace {

struct Query {
    QString group;
    QSet<QString> expected;
    QString text, pool;
};

struct EvalSet {
    QList<SuggestCandidate> items;
    QList<Query> queries;
};

void Load(const QString& path, EvalSet& set) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(2);
    }
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith('#') || line.isEmpty()) continue;
        const QStringList f = line.split('\t');
        if (f.size() >= 5 && f[0] == "I") {
            const ItemKind kind = f[1] == "inventory" ? ItemKind::Medicine : ItemKind::Procedure;
            set.items.append({f[2], f[3], f[4], {}, {}, f[1], kind});
        } else if (f.size() >= 5 && f[0] == "Q") {
            const QStringList ids = f[2].split(' ', Qt::SkipEmptyParts);
            set.queries.append({f[1], QSet<QString>(ids.begin(), ids.end()), f[3], f[4]});
        }
    }
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

struct Outcome {
    QString group;
    int rank;  // of the first expected item among the first five, -1 when none
    double confidence, nameMatch, disagreement, margin;
    int unread;
};

// Ranks every query among the items of its sources (one index per set of sources).
QList<Outcome> Rank(const EvalSet& set, int misses) {
    std::map<QString, std::unique_ptr<SuggestIndex>> indexes;
    QList<Outcome> outcomes;
    for (const Query& q : set.queries) {
        std::unique_ptr<SuggestIndex>& index = indexes[q.pool];
        if (!index) {
            const QStringList pool = q.pool.split(' ');
            QList<SuggestCandidate> items;
            for (const SuggestCandidate& c : set.items)
                if (pool.contains(c.source)) items.append(c);
            index = std::make_unique<SuggestIndex>(items);
        }
        const QList<Suggestion> found = index->Suggest(q.text, 5);
        int rank = -1;
        for (int r = 0; r < found.size() && rank < 0; ++r)
            if (q.expected.contains(index->candidate(found[r].candidate).itemId)) rank = r;
        const double confidence = found.isEmpty() ? 0 : found[0].confidence;
        const Suggestion first = found.isEmpty() ? Suggestion{-1, 0} : found[0];
        outcomes.append(
            {q.group, rank, confidence, first.nameMatch, first.disagreement, first.margin, first.unread});
        const bool confidentMiss = rank != 0 && confidence >= SuggestIndex::kConfidentAt;
        if (rank != 0 && (misses-- > 0 || confidentMiss)) {
            std::printf(
                "%s [%s] %s -> %s (%.2f; name %.2f, disagreement %.2f, unread %d, margin %.2f, "
                "confidence %.2f)\n",
                confidentMiss ? "CONFIDENT MISS" : "miss", qPrintable(q.group), qPrintable(q.text),
                found.isEmpty() ? "(none)" : qPrintable(index->candidate(first.candidate).itemName),
                first.score, first.nameMatch, first.disagreement, first.unread, first.margin, confidence);
            // The first five as ranked, the expected ones marked.
            for (const Suggestion& s : found) {
                const SuggestCandidate& c = index->candidate(s.candidate);
                std::printf("    %c %.3f %s\n", q.expected.contains(c.itemId) ? '*' : ' ', s.score,
                            qPrintable(c.itemName));
            }
        }
    }
    return outcomes;
}

struct Tally {
    int n = 0, top1 = 0, top5 = 0, confident = 0, confidentRight = 0;
    void Add(const Outcome& o, double threshold) {
        ++n;
        top1 += o.rank == 0;
        top5 += o.rank >= 0;
        if (o.confidence >= threshold) {
            ++confident;
            confidentRight += o.rank == 0;
        }
    }
    double Precision() const { return confident ? 100.0 * confidentRight / confident : 100.0; }
    double Share() const { return n ? 100.0 * confident / n : 0; }
};

void Dump(const QList<Outcome>& outcomes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return;
    }
    QTextStream out(&file);
    out << "group\trank\tname\tdisagreement\tunread\tmargin\tconfidence\n";
    for (const Outcome& o : outcomes)
        out << o.group << '\t' << o.rank << '\t' << o.nameMatch << '\t' << o.disagreement << '\t' << o.unread
            << '\t' << o.margin << '\t' << o.confidence << '\n';
}

void Report(const QList<Outcome>& outcomes) {
    QMap<QString, Tally> groups;
    for (const Outcome& o : outcomes) {
        const QString split = o.group.section('/', 0, 0);
        for (const QString& g : {o.group, split + QStringLiteral("/all"), QStringLiteral("all")})
            groups[g].Add(o, SuggestIndex::kConfidentAt);
    }
    std::printf("%-20s %5s %7s %7s  confident (threshold %.2f): %s\n", "group", "n", "top-1", "top-5",
                SuggestIndex::kConfidentAt, "share, precision");
    for (auto it = groups.cbegin(); it != groups.cend(); ++it)
        std::printf("%-20s %5d %6.1f%% %6.1f%%  %6.1f%%  %6.1f%% (%d wrong)\n", qPrintable(it.key()), it->n,
                    100.0 * it->top1 / it->n, 100.0 * it->top5 / it->n, it->Share(), it->Precision(),
                    it->confident - it->confidentRight);
}

// The lowest threshold whose confident calibration suggestions are at least 99.5% right, and the curve.
void Calibrate(const QList<Outcome>& outcomes) {
    double chosen = -1;
    std::printf("threshold  calibration: share precision | holdout: share precision\n");
    for (int k = 0; k <= 100; ++k) {
        const double t = k / 100.0;
        Tally calibration, holdout;
        for (const Outcome& o : outcomes) {
            if (o.group.startsWith("calibration"))
                calibration.Add(o, t);
            else if (o.group.startsWith("holdout"))
                holdout.Add(o, t);
        }
        if (chosen < 0 && calibration.confident > 0 && calibration.Precision() >= 99.5) chosen = t;
        if (k % 5 == 0 || t == chosen)
            std::printf("%9.2f  %6.1f%% %6.2f%% (%d wrong) | %6.1f%% %6.2f%% (%d wrong)%s\n", t,
                        calibration.Share(), calibration.Precision(),
                        calibration.confident - calibration.confidentRight, holdout.Share(),
                        holdout.Precision(), holdout.confident - holdout.confidentRight,
                        t == chosen ? "  <- lowest with 99.5%" : "");
    }
}

// An inventory master of `count` items made from the evaluation's inventory items, each copy told apart
// by a pack count, so that posting lists grow as they do in a large real master.
QList<SuggestCandidate> Scaled(const QList<SuggestCandidate>& items, int count) {
    QList<SuggestCandidate> out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) {
        SuggestCandidate c = items[i % items.size()];
        if (i >= items.size()) c.itemName += QStringLiteral(" box of %1").arg(i / items.size() + 1);
        c.itemId = QString::number(1000000 + i);
        out.append(c);
    }
    return out;
}

void Timing(const EvalSet& set, int count, int runs) {
    QList<SuggestCandidate> inventory;
    QStringList texts;
    for (const SuggestCandidate& c : set.items)
        if (c.kind == ItemKind::Medicine) inventory.append(c);
    for (const Query& q : set.queries)
        if (q.pool == "inventory") texts.append(q.text);
    if (inventory.isEmpty() || texts.isEmpty()) return;
    const QList<SuggestCandidate> items = Scaled(inventory, count);
    std::vector<double> builds, firsts, cpu, queries;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer t;
        t.start();
        const std::clock_t c0 = std::clock();
        const SuggestIndex index(items);
        builds.push_back(t.nsecsElapsed() / 1e6);
        cpu.push_back(double(std::clock() - c0) * 1000.0 / CLOCKS_PER_SEC);
        const auto first = index.Suggest(texts[r % texts.size()]);
        firsts.push_back(t.nsecsElapsed() / 1e6);
        if (r > 0) continue;
        for (const QString& text : texts) {
            QElapsedTimer qt;
            qt.start();
            const auto found = index.Suggest(text);
            queries.push_back(qt.nsecsElapsed() / 1e6);
        }
    }
    std::sort(queries.begin(), queries.end());
    std::printf(
        "%d items: build median %.0f ms (CPU %.0f ms), build + first query median %.0f ms (%d runs)\n", count,
        Median(builds), Median(cpu), Median(firsts), runs);
    std::printf("per query (%zu queries): median %.2f ms, 95th percentile %.2f ms, max %.2f ms\n",
                queries.size(), Median(queries), queries[queries.size() * 95 / 100], queries.back());
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList paths;
    QString dump;
    int count = 100000, runs = 5, misses = 0;
    bool calibrate = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--items" && i + 1 < args.size())
            count = args[++i].toInt();
        else if (args[i] == "--runs" && i + 1 < args.size())
            runs = args[++i].toInt();
        else if (args[i] == "--misses" && i + 1 < args.size())
            misses = args[++i].toInt();
        else if (args[i] == "--calibrate")
            calibrate = true;
        else if (args[i] == "--dump" && i + 1 < args.size())
            dump = args[++i];
        else
            paths.append(args[i]);
    }
    if (paths.isEmpty()) {
        const QDir dir(QStringLiteral(ESOA_EVAL_DIR));
        for (const QString& name : dir.entryList({QStringLiteral("*.tsv")}, QDir::Files, QDir::Name))
            paths.append(dir.filePath(name));
    }
    EvalSet set;
    for (const QString& path : paths) Load(path, set);
    if (set.items.isEmpty() || set.queries.isEmpty()) {
        std::fprintf(stderr, "no items or no queries in %s\n", qPrintable(paths.join(", ")));
        return 2;
    }
    std::printf("%zu items, %zu queries\n", size_t(set.items.size()), size_t(set.queries.size()));
    const QList<Outcome> outcomes = Rank(set, misses);
    Report(outcomes);
    if (calibrate) Calibrate(outcomes);
    if (!dump.isEmpty()) Dump(outcomes, dump);
    if (count > 0 && runs > 0) Timing(set, count, runs);
    return 0;
}
