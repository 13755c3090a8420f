#include <QProcess>
#include <gtest/gtest.h>

namespace {

// Where no window can be shown the program says so in one line and fails, instead of the
// toolkit's abort.
TEST(ProgramStart, WithoutADisplaySaysSoInOneLine)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    program.setProcessEnvironment(environment);
    program.start(PELMORA_PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardError(), "pelmora: no display available (set DISPLAY or QT_QPA_PLATFORM)\n");
    EXPECT_EQ(program.readAllStandardOutput(), "");
}

}  // namespace
