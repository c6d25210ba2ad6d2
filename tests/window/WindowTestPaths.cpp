#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

std::string gameExecutable() {
    return GROUNDLINE_GAME_EXECUTABLE;
}

std::string windowListPoller() {
    return GROUNDLINE_WINDOW_LIST_POLLER;
}

std::string repositoryRoot() {
    return GROUNDLINE_REPOSITORY_ROOT;
}

std::string screenshotPath(const std::string& name) {
    std::string fileName = name;
    if (fileName.empty()) {
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        fileName = test ? std::string(test->test_suite_name()) + "." + test->name() : "screenshot";
    }
    std::filesystem::create_directories(GROUNDLINE_SCREENSHOT_FOLDER);
    return std::string(GROUNDLINE_SCREENSHOT_FOLDER) + "/" + fileName + ".png";
}
