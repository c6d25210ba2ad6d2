// groundline-synth: writes the game's sound effects into a folder, as data/
// ships them. The same program always writes the same bytes.

#include "synth/SoundBook.h"
#include "synth/Synth.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: groundline-synth DATA_FOLDER\n", stderr);
        return 2;
    }
    for (const SoundRecipe& sound : soundBook()) {
        const std::string path = std::string(argv[1]) + "/" + sound.file;
        const std::vector<uint8_t> bytes = Synth::waveFile(Synth::render(sound.tones));
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            std::fprintf(stderr, "groundline-synth: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
