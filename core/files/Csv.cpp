#include "core/files/Csv.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <stdexcept>

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

std::vector<ReadRecord> Parse(const QString& input) {
    const QString text = input.startsWith(QChar(0xFEFF)) ? input.mid(1) : input;
    std::vector<ReadRecord> records;
    ReadRecord record;
    QString field;
    int line = 1;
    bool quoted = false, inQuotes = false, any = false;
    int quoteLine = 0;
    auto endField = [&] {
        record.fields << field;
        field.clear();
        quoted = false;
    };
    auto endRecord = [&] {
        endField();
        const bool blank = record.fields.size() == 1 && record.fields.front().isEmpty() && !any;
        if (!blank) records.push_back(std::move(record));
        record = ReadRecord{line, {}};
        any = false;
    };
    record.line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                if (c == u'\n') ++line;
                field += c;
            }
            continue;
        }
        if (c == u'"' && field.isEmpty() && !quoted) {
            inQuotes = quoted = any = true;
            quoteLine = line;
        } else if (c == u',') {
            any = true;
            endField();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;  // the LF ends the record
        } else if (c == u'\n') {
            ++line;
            endRecord();
            record.line = line;
        } else {
            field += c;
            any = true;
        }
    }
    if (inQuotes)
        throw std::runtime_error(
            QStringLiteral("line %1: a quoted field is never closed").arg(quoteLine).toStdString());
    if (any || !field.isEmpty()) endRecord();
    return records;
}

std::vector<ReadRecord> Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(
            QStringLiteral("Cannot read %1: %2.").arg(path, file.errorString()).toStdString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw std::runtime_error(
            QStringLiteral("Cannot read %1: %2.").arg(path, file.errorString()).toStdString());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        throw std::runtime_error(QStringLiteral("%1 is not UTF-8 text.").arg(path).toStdString());
    return Parse(text);
}

}  // namespace esoa::csv
