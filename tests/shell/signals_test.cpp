// SIGINT and SIGTERM end the game at once, with the signal's own status,
// while the window's close request stays ignored (the X server test checks
// that one on a real window).
#include "harness/game_fixture.h"
#include "shell/platform.h"

#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

struct SignalCase {
    const char* name;
    int signal_number;
};

const SignalCase SIGNALS[] = {{"Term", SIGTERM}, {"Int", SIGINT}};

std::string case_name(const ::testing::TestParamInfo<SignalCase>& info) { return info.param.name; }

// True once the process catches both signals with a handler of its own.
bool catches_both(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) != 0) continue;
        const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
        const unsigned long long both = 1ull << (SIGINT - 1) | 1ull << (SIGTERM - 1);
        return (caught & both) == both;
    }
    return false;
}

// Waits up to `ms` for the child to end; its wait status, or -1 when it is
// still running (it is then killed).
int wait_for_end(pid_t pid, int ms)
{
    for (int waited = 0; waited <= ms; waited += 10) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) return status;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

void expect_ended_by(int status, int signal_number)
{
    ASSERT_NE(status, -1) << "still running a second after the signal";
    ASSERT_TRUE(WIFSIGNALED(status)) << "ended with exit status " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), signal_number);
}

class SignalTest : public GameTest, public ::testing::WithParamInterface<SignalCase> {};

// The whole program on SDL's dummy drivers, in its intro, gets the signal.
TEST_P(SignalTest, TheProgramEndsWithinASecondByTheSignal)
{
    const std::string program = std::string(QUORL_TEST_GAME_DIR) + "/quorl_demo_windowed";
    const pid_t pid = fork();
    ASSERT_NE(pid, -1);
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int waited = 0;
    while (!catches_both(pid) && waited < 5000) {
        usleep(10000);
        waited += 10;
    }
    ASSERT_TRUE(catches_both(pid)) << "the program never took the signals over";
    // Well into the intro's passes.
    usleep(300000);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, WNOHANG), 0) << "the program ended by itself";

    kill(pid, GetParam().signal_number);
    expect_ended_by(wait_for_end(pid, 1000), GetParam().signal_number);
}

// A long hold (the results screen holds a picture for seconds) does not
// delay the end.
TEST_P(SignalTest, ALongSleepEndsWithinASecond)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t pid = fork();
    ASSERT_NE(pid, -1);
    if (pid == 0) {
        set_platform_driver(nullptr);
        end_on_signals();
        if (write(ready[1], "r", 1) != 1) _exit(126);
        game_delay(10000);
        _exit(0);
    }
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
    close(ready[1]);
    usleep(50000);

    kill(pid, GetParam().signal_number);
    expect_ended_by(wait_for_end(pid, 1000), GetParam().signal_number);
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalTest, ::testing::ValuesIn(SIGNALS), case_name);

}  // namespace
