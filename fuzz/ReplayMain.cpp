// Runs a fuzz target over every file of its corpus, without libFuzzer, so
// that any compiler can check that none of them crashes. Each file is named
// before it runs, so a crash says which one did it.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    std::set<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        if (std::filesystem::is_directory(argv[i])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                files.insert(entry.path());
        } else {
            files.insert(argv[i]);
        }
    }
    if (files.empty()) {
        std::fputs("usage: replay CORPUS_FOLDER_OR_FILE...   (found no files)\n", stderr);
        return 2;
    }
    for (const std::filesystem::path& file : files) {
        std::printf("%s\n", file.c_str());
        std::fflush(stdout);
        std::ifstream in(file, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replayed %zu files\n", files.size());
    return 0;
}
