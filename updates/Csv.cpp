#include "updates/Csv.h"

#include <QDir>
#include <QSaveFile>
#include <stdexcept>

namespace esoa::csv {

QString Record(const QStringList& fields) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString& f : fields) {
        // Blanks at the ends are quoted too: spreadsheet programs trim them from unquoted fields, and
        // a PhilHealth code keeps its blanks.
        const bool quote = f.contains(u',') || f.contains(u'"') || f.contains(u'\r') || f.contains(u'\n') ||
                           f.startsWith(u' ') || f.endsWith(u' ');
        if (!quote) {
            out << f;
            continue;
        }
        QString q = f;
        q.replace(QLatin1Char('"'), QLatin1String("\"\""));
        out << QLatin1Char('"') + q + QLatin1Char('"');
    }
    return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

void Save(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit()) {
        throw std::runtime_error(QStringLiteral("Cannot save %1: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
    }
}

}  // namespace esoa::csv
