// The program itself, started as a user starts it, with a partner on its exchange: it takes part
// only once start-up is done, and is found only by the title its first alive check gives it.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <filesystem>
#include <string>

#include "controller/receiver_controller.h"
#include "exchange/partner_title.h"
#include "platform/posix/local_socket_bus.h"
#include "support/temp_dir.h"

namespace {

class ProgramStartTest : public ::testing::Test {
  protected:
    ~ProgramStartTest() override {
        program.kill();
        program.waitForFinished();
    }

    void Start(const std::string& profile) {
        ASSERT_TRUE(WriteWholeFile(temp.File("zorivan.INI"), profile));
        ASSERT_EQ(::mkdir(temp.File("run").c_str(), 0700), 0);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(temp.File("run")));
        environment.insert("ZORIVAN_PROFILE", QString::fromStdString(temp.File("zorivan.INI")));
        environment.remove("ZORIVAN_SCREENSHOT");
        program.setProcessEnvironment(environment);
        program.setStandardOutputFile(QProcess::nullDevice());
        program.start(QStringLiteral(ZORIVAN_PROGRAM_PATH), {});
        ASSERT_TRUE(program.waitForStarted());
        ASSERT_EQ(partner.Open(temp.File("run") + "/zorivan"), 0);
    }

    // Whether a window besides the partner has joined the exchange.
    bool ProgramTakesPart() const {
        for (const auto& entry : std::filesystem::directory_iterator(temp.File("run") + "/zorivan"))
            if (entry.path().extension() == ".sock" && entry.path() != partner.Address())
                return true;
        return false;
    }

    // The title the partner finds the program by; empty while it finds none.
    std::string FoundTitle() {
        BusWindow window;
        return FindProgramWindow(partner, "ZORIVAN", window) ? window.title : std::string();
    }

    TempDir temp;
    QProcess program;
    LocalSocketBus partner;
};

TEST_F(ProgramStartTest, TheExchangeWaitsWhileTheFirstStartQuestionIsOpen) {
    Start("");  // no COM port yet: the program asks for one and waits for the answer
    // Several times as long as start-up takes up to that question.
    QElapsedTimer watching;
    watching.start();
    while (watching.elapsed() < 3000 && !ProgramTakesPart()) QThread::msleep(20);
    EXPECT_FALSE(ProgramTakesPart());
    EXPECT_EQ(program.state(), QProcess::Running);
}

TEST_F(ProgramStartTest, AStartedProgramIsFoundOnlyByTheTitleOfItsFirstAliveCheck) {
    Start("[Configuration]\nComPort=1\n[Ports]\nCOM1=" + temp.File("no-receiver") + "\n");
    std::string title;
    QElapsedTimer waiting;
    waiting.start();
    while (title.empty() && waiting.elapsed() < 30000 && program.state() == QProcess::Running) {
        title = FoundTitle();
        if (title.empty()) QThread::msleep(10);
    }
    EXPECT_EQ(title, kTitleNotActive);
}

}  // namespace
