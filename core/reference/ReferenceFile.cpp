#include "core/reference/ReferenceFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <stdexcept>

namespace esoa {
namespace {

// Windows-1252 through Qt's ICU codecs; a Qt built without ICU can only offer Latin-1, which
// differs from it in 0x80..0x9F alone (curly quotes, dashes, the euro sign).
QString decodeCp1252(const QByteArray& bytes) {
    QStringDecoder cp1252("windows-1252");
    if (!cp1252.isValid()) return QString::fromLatin1(bytes);
    return cp1252.decode(bytes);
}

bool hasNonAscii(const QByteArray& bytes) {
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80) return true;
    }
    return false;
}

}  // namespace

QString DecodeReferenceText(const QByteArray& bytes) {
    // Windows' Notepad saves "Unicode" as UTF-16 with a byte order mark. Its units are taken as they
    // stand: an unpaired surrogate stays in the text, for the import to refuse its line by name.
    if (bytes.startsWith("\xFF\xFE")) return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes);
    if (bytes.startsWith("\xFE\xFF")) return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (!hasNonAscii(bytes)) return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
    return decodeCp1252(bytes);
}

ReferenceLines SplitReferenceLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) lines << text.mid(start);
    return {lines, start == n};
}

ReferenceLines ReadReferenceFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error(
            QStringLiteral("Cannot open %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()).toStdString());
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw std::runtime_error(
            QStringLiteral("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()).toStdString());
    }
    return SplitReferenceLines(DecodeReferenceText(bytes));
}

std::vector<ListFile> ReadListFiles(const QString& folder, const QStringList& names) {
    std::vector<ListFile> files;
    for (const QString& name : names) {
        ListFile file{name, {}, {}};
        try {
            file.text = ReadReferenceFile(QDir(folder).filePath(file.fileName()));
        } catch (const std::exception& e) {
            file.error = QString::fromUtf8(e.what());
        }
        files.push_back(std::move(file));
    }
    return files;
}

}  // namespace esoa
