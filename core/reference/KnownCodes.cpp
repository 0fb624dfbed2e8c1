#include "core/reference/KnownCodes.h"

#include <QStringView>

#include "database/Connection.h"
#include "database/sqlite/SqliteCaseRules.h"

namespace esoa {
namespace {

// Letters that some collations expand or equate with plain Latin letters but that have no
// decomposition of their own (after case folding).
QLatin1String spelledOut(char32_t c) {
    switch (c) {
        case U'ß':
            return QLatin1String("ss");
        case U'æ':
            return QLatin1String("ae");
        case U'œ':
            return QLatin1String("oe");
        case U'þ':
            return QLatin1String("th");
        case U'ð':
        case U'đ':
            return QLatin1String("d");
        case U'ø':
            return QLatin1String("o");
        case U'ł':
            return QLatin1String("l");
        case U'ı':
            return QLatin1String("i");
        case U'ħ':
            return QLatin1String("h");
        case U'ŧ':
            return QLatin1String("t");
        default:
            return {};
    }
}

bool weightless(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
        case QChar::Other_Control:
        case QChar::Other_Format:
            return true;
        default:
            return false;
    }
}

}  // namespace

KnownCodes::Matching KnownCodes::MatchingFor(const Connection& connection) {
    // Only the embedded database's comparison is known here, and it is the collation's key.
    return connection.dialect() == Dialect::Sqlite ? Matching::Exact : Matching::Coarse;
}

QString KnownCodes::Fold(const QString& code) {
    QString kept;
    const QString decomposed = code.normalized(QString::NormalizationForm_KD);
    for (const char32_t c : QStringView(decomposed).toUcs4()) {
        if (!weightless(c)) kept += QString::fromUcs4(&c, 1);
    }
    QString out;
    out.reserve(kept.size());
    for (const char32_t c : QStringView(kept.toCaseFolded()).toUcs4()) {
        QString piece;
        if (c < 0x80) {
            piece = QChar(c);
        } else if (const QLatin1String spelled = spelledOut(c); !spelled.isEmpty()) {
            piece = spelled;
        } else {
            piece = QStringLiteral("?");
        }
        if (piece == QLatin1String("?") && out.endsWith(QLatin1Char('?'))) continue;
        out += piece;
    }
    while (out.endsWith(QLatin1Char(' '))) out.chop(1);
    return out;
}

QByteArray KnownCodes::Key(const QString& code) const {
    return matching_ == Matching::Exact ? sql::CollationKey(code) : Fold(code).toUtf8();
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
