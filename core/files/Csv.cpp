#include "core/files/Csv.h"

#include <QRegularExpression>

#include "core/files/SaveFile.h"

namespace esoa::csv {
namespace {

// How much a Writer gathers before handing it on.
constexpr qsizetype kPieceCharacters = 32 * 1024;

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

Writer::Writer(Sink sink, Flavour flavour) : sink_(std::move(sink)), flavour_(flavour) {
    if (flavour_ == Flavour::Spreadsheet) pending_ = QStringLiteral("\uFEFF");
}

void Writer::Add(const QStringList& record) {
    pending_ += Record(record, flavour_);
    if (pending_.size() >= kPieceCharacters) {
        sink_(pending_);
        pending_.clear();
    }
}

void Writer::Finish() {
    if (!pending_.isEmpty()) sink_(pending_);
    pending_.clear();
}

void Save(const QString& path, const Table& table, Flavour flavour) {
    Save(path, flavour, [&table](Writer& records) {
        for (const QStringList& record : table.records()) records.Add(record);
    });
}

void Save(const QString& path, Flavour flavour, const std::function<void(Writer& records)>& write) {
    SavingFile file(path);
    Writer records([&file](const QString& text) { file.Write(text.toUtf8()); }, flavour);
    write(records);
    records.Finish();
    file.Commit();
}

}  // namespace esoa::csv
