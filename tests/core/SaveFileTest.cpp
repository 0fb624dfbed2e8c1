#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/files/SaveFile.h"
#include "support/FileSizeLimit.h"

namespace esoa::test {
namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A write the file system refuses, whether the bytes would sit in Qt's write buffer (small) or go
// straight to the disk (large), and whether it fails at once or half-way: the save fails with its
// cause, the previous file stays as it was and nothing else is left in the folder.
TEST(SaveFile, AWriteTheDiskRefusesLeavesThePreviousFileAndSaysWhy) {
    const struct {
        int size;
        rlim_t limit;  // 0: none
    } cases[] = {{10'000, 1'000}, {10'000, 0}, {2'000'000, 100'000}, {2'000'000, 0}, {0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 bytes, limit %2").arg(c.size).arg(c.limit).toStdString());
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(QStringLiteral("links.csv"));
        SaveFile(path, "the previous good export\n");
        const QByteArray bytes(c.size, 'x');
        QString failure;
        try {
            std::optional<FileSizeLimit> limit;
            if (c.limit) limit.emplace(c.limit);
            SaveFile(path, bytes);
        } catch (const std::runtime_error& e) {
            failure = QString::fromUtf8(e.what());
        }
        if (c.limit) {
            EXPECT_TRUE(failure.contains(path) && failure.contains(QLatin1String("file too large")))
                << failure.toStdString();
            EXPECT_EQ(Contents(path), "the previous good export\n");
        } else {
            EXPECT_EQ(failure, QString());
            EXPECT_EQ(Contents(path), bytes);
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList{QStringLiteral("links.csv")});
    }
}

}  // namespace
}  // namespace esoa::test
