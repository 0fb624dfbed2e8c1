#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include "database/sqlite/SqliteConnection.h"
#include <QTemporaryDir>

#include "database/Databases.h"
#include "database/DbError.h"
#include "core/demo/DemoDatabase.h"
#include "window/lookup/CategoryRouting.h"
#include "window/lookup/ItemSearch.h"
#include "window/lookup/ItemSource.h"
#include "window/reference/PhilHealthLists.h"
#include "window/mapping/MappingBulk.h"
#include "window/reference/ReferenceImport.h"
#include "window/reference/ReferenceTables.h"
#include "window/mapping/MappingList.h"
#include "window/frmESOA_Items.h"

// The work a user waits for, on the embedded database of a large hospital: 1,000,000 inventory
// items, a 20,000-row ER reference list and 100,000 links. A click is timed with one paint of the
// whole window, as the user waits for both.

namespace esoa {
namespace {

constexpr int kInventoryItems = 1000000;
constexpr int kReferenceRows = 20000;
constexpr int kLargeFileRows = 100000;
constexpr int kLinks = 100000;

class SilentMessages : public Messages {
public:
    void Show(const QString& text) override { last = text; }
    void SetBusy(bool) override {}
    std::unique_ptr<Progress> StartProgress(const QString&, int, bool) override {
        struct None : Progress {
            void Step(int, const QString&) override { QCoreApplication::processEvents(); }
            bool Cancelled() const override { return false; }
        };
        return std::make_unique<None>();
    }
    QString last;
};

class BenchUser : public CurrentUser {
public:
    explicit BenchUser(Connection& c) : c_(c) {}
    void showmain() override {}
    std::optional<bool> Connected() const override { return true; }
    Connection& sqlconnection() override { return c_; }
    ZemoraClasses& ZEMORAClasses() override { return classes_; }
    QString UserName() const override { return QStringLiteral("bench"); }

private:
    struct NoPlacement : ZemoraClasses {
        void loadwinsettings(QWidget&) override {}
        void Savewinsettings(QWidget&) override {}
    };
    Connection& c_;
    NoPlacement classes_;
};

void raw(Connection& c, const char* sql) { static_cast<SqliteConnection&>(c).RunScript(QString::fromUtf8(sql)); }

// An ER reference file of `lines` lines, each with its own code.
QString writeErFile(const QString& folder, int lines) {
    QDir(folder).mkpath(QStringLiteral("."));
    const QString path = QDir(folder).filePath(QStringLiteral("ESOA_ER.csv"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const char* categories[] = {"Therapeutics", "Imaging", "Laboratory", "ED Service", "ED Consultation", "Monitoring"};
    for (int i = 0; i < lines; ++i) {
        file.write(QStringLiteral("ER%1|%2|Emergency service item number %1 per visit|%3.50|per unit\r\n")
                       .arg(i, 6, 10, QLatin1Char('0'))
                       .arg(QLatin1String(categories[i % 6]))
                       .arg(100 + i % 900)
                       .toLatin1());
    }
    return path;
}

// One large hospital, built once for all benchmarks.
struct Hospital {
    Hospital() : connection(OpenEmbedded(dir.path())), user(*connection) {
        demo::Seed(*connection);
        raw(*connection,
            "BEGIN;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i < 1000000) "
            "INSERT INTO Inventory.tbInvMaster(ItemID, ItemName, ItemDesc, GenericID, itemstatus) "
            "SELECT 100000+i, 'Item ' || printf('%07d', (i*7919) % 1000000) || ' tablet', 'TAB', "
            "CASE WHEN i % 3 = 0 THEN NULL ELSE 1 + i % 100 END, i % 20 = 0 "
            "FROM n;"
            "COMMIT;");
        static_assert(kInventoryItems == 1000000 && kLinks == 100000 && kReferenceRows == 20000);
        form = std::make_unique<frmESOA_Items>(user, messages);
        form->controls().optTable->select(1);  // ESOA_ER
        form->tables().CreateEsoaTables();
        raw(*connection,
            "BEGIN;"
            "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i+1 FROM n WHERE i < 99999) "
            "INSERT INTO Build_FIle.ESOA_ER_LINK(Code, Category, Description, ItemID, ItemDesc, InvOrProc, "
            "RevenueID) SELECT 'ER' || printf('%06d', i % 20000), 'Therapeutics', 'Emergency service', "
            "100001 + i * 7, 'Item ' || i, 'INV', 'PH' FROM n;"
            "COMMIT;");
        writeErFile(dir.path(), kReferenceRows);
        writeErFile(largeFileFolder(), kLargeFileRows);
        form->referenceImport().setFolder(dir.path());
        form->referenceImport().ImportEsoaFile(QStringLiteral("ESOA_ER"));
        form->show();
        QApplication::processEvents();
    }
    QString largeFileFolder() const { return QDir(dir.path()).filePath(QStringLiteral("large")); }

    QTemporaryDir dir;
    std::unique_ptr<Connection> connection;
    BenchUser user;
    SilentMessages messages;
    std::unique_ptr<frmESOA_Items> form;
};

std::unique_ptr<Hospital> theHospital;

Hospital& hospital() {
    if (!theHospital) theHospital = std::make_unique<Hospital>();
    return *theHospital;
}

// The frame that shows a click's result: the whole window painted once, as the next screen update
// after the click paints it (a repaint of the window, not the event loop, so that exactly one paint
// is timed).
void paintFrame(QWidget& window) { window.repaint(); }

int categoryRow(FlexGrid& grid, const QString& category) {
    for (int r = 1; r < grid.Rows(); ++r) {
        if (grid.TextMatrix(r, 0) == category) return r;
    }
    throw std::runtime_error("category not listed");
}

// A category click: clear, route, reload Grid1 for the category, search the hospital items.
void BM_CategoryClick(benchmark::State& state, const char* category) {
    Hospital& h = hospital();
    ScreenControls& ui = h.form->controls();
    h.form->lists().LoadCategories();
    const int row = categoryRow(*ui.GridCat, QLatin1String(category));
    for (auto _ : state) {
        ui.GridCat->setRow(row);
        h.form->routing().ApplyCategoryDefaults();
        paintFrame(*h.form);
    }
    state.counters["Grid1_rows"] = ui.Grid1->Rows() - 1;
    state.counters["Grid2_rows"] = ui.Grid2->Rows() - 1;
}
BENCHMARK_CAPTURE(BM_CategoryClick, Therapeutics_inventory, "Therapeutics")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CategoryClick, Imaging_procedures, "Imaging")->Unit(benchmark::kMillisecond);

// An inventory search over 1,000,000 items: empty text (first 500 by name), and name or generic
// filters that match many items (the walk stops after 500), a few hundred, and none.
void BM_InventorySearch(benchmark::State& state, const char* name, const char* generic) {
    Hospital& h = hospital();
    ScreenControls& ui = h.form->controls();
    h.form->source().SetItemSource(true);
    ui.txtDesc->setText(QLatin1String(name));
    ui.txtGeneric->setText(QLatin1String(generic));
    for (auto _ : state) {
        h.form->search().SearchZemoraItems();
        paintFrame(*h.form);
    }
    state.counters["rows"] = ui.Grid2->Rows() - 1;
}
BENCHMARK_CAPTURE(BM_InventorySearch, all, "", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InventorySearch, name_like_many, "12", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InventorySearch, name_like_few, "00042", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InventorySearch, name_like_none, "zzz", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InventorySearch, name_like_few_of_common_parts, "0 tab", "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InventorySearch, name_like_none_of_common_parts, "Item 1 tablet", "")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InventorySearch, generic_like_many, "", "Paracetamol")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InventorySearch, generic_like_few, "", "Ketorolac")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InventorySearch, generic_like_none, "", "Charcoal")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_InventorySearch, name_and_generic, "000", "Ketorolac")->Unit(benchmark::kMillisecond);

// The link list of one PhilHealth code among 100,000 links.
void BM_LinkListLoad(benchmark::State& state) {
    Hospital& h = hospital();
    ScreenControls& ui = h.form->controls();
    ui.optTable->select(1);
    ui.txtESOACode->setText(QStringLiteral("ER000042"));
    for (auto _ : state) {
        h.form->mappings().LoadMappings();
        paintFrame(*h.form);
    }
    state.counters["rows"] = ui.GridMap->Rows() - 1;
}
BENCHMARK(BM_LinkListLoad)->Unit(benchmark::kMillisecond);

// The import of a 20,000-line ER file into an empty table, and the same file again (nothing new).
void BM_ImportEr(benchmark::State& state, bool again) {
    Hospital& h = hospital();
    ScreenControls& ui = h.form->controls();
    ui.optTable->select(1);
    for (auto _ : state) {
        if (!again) {
            state.PauseTiming();
            h.form->tables().CreateEsoaTables();
            state.ResumeTiming();
        }
        h.form->referenceImport().ImportEsoaFile(QStringLiteral("ESOA_ER"));
    }
    state.counters["lines_per_s"] =
        benchmark::Counter(static_cast<double>(kReferenceRows) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_ImportEr, into_empty_table, false)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_ImportEr, nothing_new, true)->Unit(benchmark::kSecond)->Iterations(1);

// The import of a 100,000-line ER file into an empty table; the 20,000-line list is restored after.
void BM_ImportEr100k(benchmark::State& state) {
    Hospital& h = hospital();
    ReferenceImport& import = h.form->referenceImport();
    h.form->controls().optTable->select(1);
    for (auto _ : state) {
        state.PauseTiming();
        h.form->tables().CreateEsoaTables();
        import.setFolder(h.largeFileFolder());
        state.ResumeTiming();
        import.ImportEsoaFile(QStringLiteral("ESOA_ER"));
    }
    state.counters["lines_per_s"] =
        benchmark::Counter(static_cast<double>(kLargeFileRows) * state.iterations(), benchmark::Counter::kIsRate);
    h.form->tables().CreateEsoaTables();
    import.setFolder(h.dir.path());
    import.ImportEsoaFile(QStringLiteral("ESOA_ER"));
}
BENCHMARK(BM_ImportEr100k)->Unit(benchmark::kSecond)->Iterations(1);

// Map-all of 500 listed inventory items to one PhilHealth code (new links each time).
void BM_MapAll500(benchmark::State& state) {
    Hospital& h = hospital();
    ScreenControls& ui = h.form->controls();
    for (auto _ : state) {
        state.PauseTiming();
        h.form->source().SetItemSource(true);
        ui.txtDesc->clear();
        ui.txtGeneric->clear();
        h.form->search().SearchZemoraItems();
        ui.txtESOACode->setText(QStringLiteral("ER000001"));
        ui.txtESOADesc->setText(QStringLiteral("Emergency service item number 1"));
        raw(*h.connection, "DELETE FROM Build_FIle.ESOA_ER_LINK");
        state.ResumeTiming();
        h.form->bulk().cmdMapAll_Click();
    }
    state.counters["links"] = ui.GridMap->Rows() - 1;
}
BENCHMARK(BM_MapAll500)->Unit(benchmark::kMillisecond);

}  // namespace

// The window must go before the application does.
void ReleaseBenchFixtures() { theHospital.reset(); }

}  // namespace esoa
