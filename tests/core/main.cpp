#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

// The tests of everything below the window: no display, no widgets.
int main(int argc, char** argv) {
    QTemporaryDir home;
    // Nothing a test stores (the component's settings, the demo) reaches the user's files.
    qputenv("XDG_RUNTIME_DIR", QDir(home.path()).filePath(QStringLiteral("runtime")).toUtf8());
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toUtf8());
    qunsetenv("ZEMORA_CONNECTION");
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ESOA Mapper"));
    return RUN_ALL_TESTS();
}
