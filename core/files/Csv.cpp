#include "core/files/Csv.h"

#include <QRegularExpression>

#include "core/files/SaveFile.h"

namespace esoa::csv {
namespace {

// A cell a spreadsheet would read as a formula. A signed number is a number there, not a formula.
bool StartsFormula(const QString& field) {
    if (field.isEmpty()) return false;
    const QChar first = field.front();
    if (first != u'=' && first != u'+' && first != u'-' && first != u'@' && first != u'\t' && first != u'\r')
        return false;
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+([.][0-9]*)?|[.][0-9]+)$"));
    return !number.match(field).hasMatch();
}

}  // namespace

QString Record(const QStringList& fields, Flavour flavour) {
    QStringList out;
    out.reserve(fields.size());
    for (const QString& field : fields) {
        const QString f =
            flavour == Flavour::Spreadsheet && StartsFormula(field) ? QLatin1Char('\'') + field : field;
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

QString Table::Text(Flavour flavour) const {
    QString out = flavour == Flavour::Spreadsheet ? QStringLiteral("\uFEFF") : QString();
    for (const QStringList& record : records_) out += Record(record, flavour);
    return out;
}

void Save(const QString& path, const Table& table, Flavour flavour) {
    SaveFile(path, table.Text(flavour).toUtf8());
}

}  // namespace esoa::csv
