// The test program's entry. The game keeps its state in globals for the
// whole run, so each test needs a freshly started process: CTest runs every
// test in a process of its own. Asked to run more than one test in this
// process, the program says so and stops, instead of running on from the
// state that the previous test left (which can hang a menu or a song).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

class OneTestPerProcess : public ::testing::EmptyTestEventListener {
public:
    explicit OneTestPerProcess(const char* program) : program_(program) {}

    // Called once the filter has chosen the tests to run.
    void OnTestIterationStart(const ::testing::UnitTest& unit, int) override
    {
        const int selected = unit.test_to_run_count();
        if (selected <= 1) return;
        std::fprintf(stderr,
                     "%s: %d tests selected, but each test needs a process of its own.\n"
                     "Run the tests through CTest (ctest --test-dir build, or ctest -R NAME for some),\n"
                     "or select one test with --gtest_filter=SUITE.NAME.\n",
                     program_, selected);
        std::exit(2);
    }

private:
    const char* program_;
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new OneTestPerProcess(argv[0]));
    return RUN_ALL_TESTS();
}
