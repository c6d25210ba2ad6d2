#include "window/TempFolder.h"
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

std::string controlField(const std::string& package, const std::string& field) {
    std::string value = outputOf("dpkg-deb --field '" + package + "' " + field);
    while (!value.empty() && value.back() == '\n')
        value.pop_back();
    return value;
}

// Each path in the package, "./usr/..." as dpkg-deb lists it, with its mode.
std::map<std::string, std::string> packageContents(const std::string& package) {
    std::map<std::string, std::string> modes;
    std::istringstream lines(outputOf("dpkg-deb --contents '" + package + "'"));
    std::string mode, owner, size, date, time, path;
    while (lines >> mode >> owner >> size >> date >> time >> path) {
        if (path.size() > 1 && path.back() == '/')
            path.pop_back();
        modes[path] = mode;
    }
    return modes;
}

// Fails the test unless the package holds the file under /usr with this mode.
void expectFile(const std::map<std::string, std::string>& contents, const std::string& path,
                const std::string& mode) {
    const auto found = contents.find("./usr/" + path);
    if (found == contents.end())
        ADD_FAILURE() << path << " is not in the package";
    else
        EXPECT_EQ(found->second, mode) << path;
}

} // namespace

TEST(Package, TheGameAndItsToolsAreTwoPackagesWhoseDependenciesComeFromTheirPrograms) {
    struct Expected {
        const char* file;
        const char* name;
        const char* fileName;
        const char* section;
        bool needsPng;
    };
    for (const Expected& expected :
         {Expected{GAME_PACKAGE, "groundline", "groundline_1.0.0_amd64.deb", "games", false},
          Expected{TOOLS_PACKAGE, "groundline-tools", "groundline-tools_1.0.0_amd64.deb",
                   "graphics", true}}) {
        EXPECT_EQ(std::filesystem::path(expected.file).filename(), expected.fileName);
        EXPECT_EQ(controlField(expected.file, "Package"), expected.name);
        EXPECT_EQ(controlField(expected.file, "Version"), "1.0.0");
        EXPECT_EQ(controlField(expected.file, "Architecture"), "amd64");
        EXPECT_EQ(controlField(expected.file, "Section"), expected.section);

        // Only dpkg-shlibdeps, reading the programs, would name the C library.
        const std::string depends = controlField(expected.file, "Depends");
        for (const char* library : {"liballegro4.4 ", "zlib1g ", "libc6 "})
            EXPECT_NE(depends.find(library), std::string::npos)
                << expected.name << " needs " << library << "in: " << depends;
        EXPECT_EQ(depends.find("libpng") != std::string::npos, expected.needsPng)
            << expected.name << ": " << depends;
    }
}

TEST(Package, HoldsTheGameItsDataAndWhatADesktopShowsOfIt) {
    const std::map<std::string, std::string> contents = packageContents(GAME_PACKAGE);
    expectFile(contents, "games/groundline", "-rwxr-xr-x");
    EXPECT_EQ(contents.count("./usr/bin/glpack"), 0u) << "glpack belongs to groundline-tools";

    // The data exactly: nothing the game reads left out, nothing else put in.
    int dataFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(repositoryRoot() + "/data")) {
        expectFile(contents, "share/games/groundline/" + entry.path().filename().string(),
                   "-rw-r--r--");
        ++dataFiles;
    }
    int packagedDataFiles = 0;
    for (const auto& [path, mode] : contents)
        packagedDataFiles += path.rfind("./usr/share/games/groundline/", 0) == 0;
    EXPECT_EQ(packagedDataFiles, dataFiles);

    const std::string desktopEntry = std::string("share/applications/") + APP_ID + ".desktop";
    expectFile(contents, desktopEntry, "-rw-r--r--");
    // The prefix is filled in while cpack installs: not the folder it stages in.
    const std::string entry = outputOf(
        "dpkg-deb --fsys-tarfile '" GAME_PACKAGE "' | tar -xOf - './usr/" + desktopEntry + "'");
    EXPECT_NE(entry.find("\nExec=/usr/games/groundline\n"), std::string::npos) << entry;
    expectFile(contents, std::string("share/metainfo/") + APP_ID + ".metainfo.xml", "-rw-r--r--");
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        expectFile(contents, "share/icons/hicolor/" + folder + "/apps/groundline.png",
                   "-rw-r--r--");
    }
    expectFile(contents, "share/man/man6/groundline.6.gz", "-rw-r--r--");
    expectFile(contents, "share/doc/groundline/copyright", "-rw-r--r--");
}

TEST(Package, ToolsHoldGlpackWithThePaletteAndItAnswersFromThere) {
    const std::map<std::string, std::string> contents = packageContents(TOOLS_PACKAGE);
    expectFile(contents, "bin/glpack", "-rwxr-xr-x");
    expectFile(contents, "share/groundline-tools/palette.txt", "-rw-r--r--");
    expectFile(contents, "share/man/man1/glpack.1.gz", "-rw-r--r--");
    expectFile(contents, "share/doc/groundline-tools/copyright", "-rw-r--r--");

    const TempFolder unpacked;
    outputOf("dpkg-deb -x '" TOOLS_PACKAGE "' '" + unpacked.path() + "'");
    EXPECT_EQ(outputOf("'" + unpacked.path() + "/usr/bin/glpack' --version"), "glpack 1.0.0\n");
    EXPECT_EQ(outputOf("cmp '" + unpacked.path() + "/usr/share/groundline-tools/palette.txt' '" +
                       repositoryRoot() + "/art/palette.txt'"),
              "");
}
