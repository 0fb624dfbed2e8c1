#include "core/reference/KnownCodes.h"

#include <QHash>
#include <QStringView>

#include "database/CodeKey.h"
#include "database/Collation.h"
#include "database/Connection.h"

namespace esoa {
namespace {

// The ASCII reading of characters under the collation at primary strength (see Fold), one per
// thread as the collation is.
class AsciiReading {
public:
    AsciiReading() : primary_(sql::Collation::Strength::Primary, QStringLiteral("&i=ı &t=ŧ=Ŧ &th=þ=Þ")) {
        const auto add = [this](const QString& text) {
            const QList<uint> chars = text.toUcs4();
            const QByteArray key = chars.size() == 1 ? primary_.CharKey(chars.front()) : primary_.Key(text);
            if (!key.isEmpty() && !byKey_.contains(key)) byKey_.insert(key, text);
        };
        // Lower-case letters first, so that a letter reads as its lower case.
        for (char c = 'a'; c <= 'z'; ++c) add(QString(QLatin1Char(c)));
        for (char16_t c = 0; c < 0x80; ++c) add(QString(QChar(c)));
        for (char a = 'a'; a <= 'z'; ++a) {
            for (char b = 'a'; b <= 'z'; ++b) add(QString(QLatin1Char(a)) + QLatin1Char(b));
        }
        for (char32_t c = 0; c < 0x80; ++c) ascii_[c] = Read(c);
    }

    // The reading of one character: ASCII text, empty when it weighs nothing, "?" when no ASCII
    // text weighs as it does.
    QString Of(char32_t c) {
        if (c < 0x80) return ascii_[c];
        const auto known = read_.constFind(c);
        if (known != read_.constEnd()) return *known;
        return *read_.insert(c, Read(c));
    }

private:
    QString Read(char32_t c) const {
        const QByteArray key = primary_.CharKey(c);
        if (key.isEmpty()) return {};
        return byKey_.value(key, QStringLiteral("?"));
    }

    sql::Collation primary_;
    QHash<QByteArray, QString> byKey_;
    QString ascii_[0x80];
    QHash<char32_t, QString> read_;
};

}  // namespace

KnownCodes::Matching KnownCodes::MatchingFor(const Connection& connection) {
    // Only the embedded database's comparison is known here, and it is the collation's key.
    return connection.dialect() == Dialect::Sqlite ? Matching::Exact : Matching::Coarse;
}

QString KnownCodes::Fold(const QString& code) {
    thread_local AsciiReading reading;
    qsizetype end = code.size();
    while (end > 0 && code[end - 1] == QLatin1Char(' ')) --end;
    const QString spelled = code.left(end).normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(spelled.size());
    for (const char32_t c : QStringView(spelled).toUcs4()) {
        const QString piece = reading.Of(c);
        if (piece == QLatin1String("?") && out.endsWith(QLatin1Char('?'))) continue;
        out += piece;
    }
    return out;
}

QByteArray KnownCodes::Key(const QString& code) const {
    return matching_ == Matching::Exact ? CodeKey(code).bytes() : Fold(code).toUtf8();
}

void KnownCodes::CatchUp() {
    // UPDLOCK, HOLDLOCK: on SQL Server the read locks the range of IDs from the last one seen on,
    // so no other writer adds a row there until this transaction ends.
    const ReadResult rows = connection_.Read(QStringLiteral("SELECT ID, Code FROM [Build_FIle].[dbo].[") + table_ +
                                                 QStringLiteral("] WITH (UPDLOCK, HOLDLOCK) WHERE ID > ") +
                                                 QString::number(lastId_) + QStringLiteral(" AND Code IS NOT NULL"),
                                             CursorType::ForwardOnly, LockType::ReadOnly);
    for (const QStringList& row : rows.rows) {
        lastId_ = std::max(lastId_, row[0].toLongLong());
        keys_.insert(Key(row[1]));
    }
}

KnownCodes::Found KnownCodes::Find(const QString& code) const {
    QByteArray key = Key(code);
    if (!keys_.contains(key)) return {Answer::Absent, std::move(key)};
    return {matching_ == Matching::Exact ? Answer::Present : Answer::Maybe, std::move(key)};
}

bool KnownCodes::Add(const QByteArray& key) {
    const qsizetype before = keys_.size();
    keys_.insert(key);
    return keys_.size() != before;
}

}  // namespace esoa
