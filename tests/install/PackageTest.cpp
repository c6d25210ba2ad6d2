#include "window/WindowTestPaths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

namespace {

// What a command prints on standard output; fails the test when it fails.
std::string outputOf(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run " << command;
        return output;
    }
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, count);
    EXPECT_EQ(pclose(pipe), 0) << command;
    return output;
}

std::string controlField(const std::string& field) {
    std::string value = outputOf("dpkg-deb --field '" PACKAGE_FILE "' " + field);
    while (!value.empty() && value.back() == '\n')
        value.pop_back();
    return value;
}

// Each path in the package, "./usr/..." as dpkg-deb lists it, with its mode.
std::map<std::string, std::string> packageContents() {
    std::map<std::string, std::string> modes;
    std::istringstream lines(outputOf("dpkg-deb --contents '" PACKAGE_FILE "'"));
    std::string mode, owner, size, date, time, path;
    while (lines >> mode >> owner >> size >> date >> time >> path) {
        if (path.size() > 1 && path.back() == '/')
            path.pop_back();
        modes[path] = mode;
    }
    return modes;
}

} // namespace

TEST(Package, IsAGameWhoseDependenciesComeFromTheProgramsItHolds) {
    EXPECT_EQ(std::filesystem::path(PACKAGE_FILE).filename(), "groundline_1.0.0_amd64.deb");
    EXPECT_EQ(controlField("Package"), "groundline");
    EXPECT_EQ(controlField("Version"), "1.0.0");
    EXPECT_EQ(controlField("Architecture"), "amd64");
    EXPECT_EQ(controlField("Section"), "games");

    // Only dpkg-shlibdeps, reading the programs, would name the C library.
    const std::string depends = controlField("Depends");
    for (const char* library : {"liballegro4.4 ", "zlib1g ", "libc6 "})
        EXPECT_NE(depends.find(library), std::string::npos) << library << "in: " << depends;
}

TEST(Package, HoldsTheGameItsDataAndWhatADesktopShowsOfIt) {
    const std::map<std::string, std::string> contents = packageContents();
    const auto expectFile = [&contents](const std::string& path, const std::string& mode) {
        const auto found = contents.find("./usr/" + path);
        if (found == contents.end())
            ADD_FAILURE() << path << " is not in the package";
        else
            EXPECT_EQ(found->second, mode) << path;
    };
    expectFile("games/groundline", "-rwxr-xr-x");
    expectFile("bin/glpack", "-rwxr-xr-x");

    // The data exactly: nothing the game reads left out, nothing else put in.
    int dataFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(repositoryRoot() + "/data")) {
        expectFile("share/games/groundline/" + entry.path().filename().string(), "-rw-r--r--");
        ++dataFiles;
    }
    int packagedDataFiles = 0;
    for (const auto& [path, mode] : contents)
        packagedDataFiles += path.rfind("./usr/share/games/groundline/", 0) == 0;
    EXPECT_EQ(packagedDataFiles, dataFiles);

    const std::string desktopEntry = std::string("share/applications/") + APP_ID + ".desktop";
    expectFile(desktopEntry, "-rw-r--r--");
    // The prefix is filled in while cpack installs: not the folder it stages in.
    const std::string entry = outputOf(
        "dpkg-deb --fsys-tarfile '" PACKAGE_FILE "' | tar -xOf - './usr/" + desktopEntry + "'");
    EXPECT_NE(entry.find("\nExec=/usr/games/groundline\n"), std::string::npos) << entry;
    expectFile(std::string("share/metainfo/") + APP_ID + ".metainfo.xml", "-rw-r--r--");
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        expectFile("share/icons/hicolor/" + folder + "/apps/groundline.png", "-rw-r--r--");
    }
    expectFile("share/man/man6/groundline.6.gz", "-rw-r--r--");
    expectFile("share/man/man1/glpack.1.gz", "-rw-r--r--");
    expectFile("share/doc/groundline/copyright", "-rw-r--r--");
}
