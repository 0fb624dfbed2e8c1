#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace esoa::test {
namespace {

struct TextAnswer {
    QStringList args;
    int exitCode;
    QString inStdout;
    QString inStderr;
};

// The text-only answers must come without any display: the program runs here with no
// platform plugin chosen and no X or Wayland display, as in a terminal or a package check.
TEST(CommandLine, HelpAndVersionAnswerWithoutADisplay) {
    const QString version = QStringLiteral("ESOA Mapper " ESOA_VERSION);
    const std::vector<TextAnswer> cases = {
        {{"--version"}, 0, version, {}},
        {{"-v"}, 0, version, {}},
        {{"--help"}, 0, "--version", {}},
        {{"-h"}, 0, "Usage:", {}},
        {{"--version", "--no-such-option"}, 2, {}, "no-such-option"},
    };
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) env.remove(name);

    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ESOA_PROGRAM), c.args);
        ASSERT_TRUE(program.waitForFinished(10000));
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), c.exitCode) << err.toStdString();
        EXPECT_TRUE(out.contains(c.inStdout)) << out.toStdString();
        EXPECT_TRUE(err.contains(c.inStderr)) << err.toStdString();
    }
}

}  // namespace
}  // namespace esoa::test
