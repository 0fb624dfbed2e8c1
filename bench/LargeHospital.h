#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace esoa {

class SqliteConnection;

// The embedded database of a large hospital, for the reports, the export, the suggestions and the
// first opening: 1,000,000 inventory items (95% active) named as a master grows (generic, strength,
// form, brand), 20,000 codes in each PhilHealth list (the sample files' descriptions over and
// over), and 100,000 ER links: nine in ten to inventory items (a few inactive or gone), the rest to
// laboratory, X-ray and other-revenue items, one in fifty with copies that differ from their code
// and one in a hundred of a withdrawn code.
//
// Built once per run in a temporary folder, or, when the environment names a folder
// (ESOA_BENCH_HOSPITAL), built there once and kept, so that later runs and the command line
// (`esoa-mapper ... --connection embedded:<folder>`) use the same files.
class LargeHospital {
public:
    static constexpr int kItems = 1000000;
    static constexpr int kCodes = 20000;
    static constexpr int kErLinks = 100000;

    static LargeHospital& Get();
    static void Release();

    SqliteConnection& connection() { return *connection_; }
    const QString& folder() const { return folder_; }

private:
    LargeHospital();
    void Build();

    std::unique_ptr<QTemporaryDir> temporary_;
    QString folder_;
    std::unique_ptr<SqliteConnection> connection_;
};

}  // namespace esoa
