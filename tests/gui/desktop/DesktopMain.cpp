// The desktop tests share one wx session for the whole process.

#include <gtest/gtest.h>

#include <cstdio>

#include "gui/wx/WxSession.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ferrolin::WxSession session(argv[0]);
    if (!session.IsStarted()) {
        std::fprintf(stderr, "no display: the desktop tests are skipped\n");
        return 77;
    }
    return RUN_ALL_TESTS();
}
