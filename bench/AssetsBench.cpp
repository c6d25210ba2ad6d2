// The costs of the graphics assets and the canvas, on files made here so the
// figures do not change when the art does.

#define ALLEGRO_NO_MAGIC_MAIN

#include "app/Canvas.h"
#include "gfx/BitmapFont.h"
#include "gfx/PackedImage.h"
#include "support/PackedBytes.h"

#include <allegro.h>
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string benchFolder() {
    static const std::string folder = [] {
        const auto path = std::filesystem::temp_directory_path() / "groundline-bench";
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder;
}

void writeGzip(const std::string& path, const Bytes& bytes) {
    gzFile stream = gzopen(path.c_str(), "wb9");
    gzwrite(stream, bytes.data(), static_cast<unsigned>(bytes.size()));
    gzclose(stream);
}

// A 320 x 240 picture with some structure, so it compresses like real art.
std::string writeBackground() {
    std::vector<Rgb> pixels;
    for (int y = 0; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            pixels.push_back(Rgb{static_cast<unsigned char>(y),
                                 static_cast<unsigned char>(x / 8 * 8),
                                 static_cast<unsigned char>((x ^ y) & 0x30)});
    const std::string path = benchFolder() + "/bg.mz";
    writeGzip(path, packedImageBytes(320, 240, pixels));
    return path;
}

// 95 glyphs of 5 x 7, 19 to a row, for the codes 32 to 126.
std::string writeFont() {
    const int columns = 19, rows = 5, width = 1 + columns * 6, height = 1 + rows * 8;
    std::vector<Rgb> pixels(width * height, Rgb{0, 0, 0});
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            for (int dy = 0; dy < 7; ++dy)
                for (int dx = 0; dx < 5; ++dx) {
                    const bool ink = (dx + dy + column) % 3 == 0;
                    pixels[(1 + row * 8 + dy) * width + 1 + column * 6 + dx] =
                        ink ? Rgb{255, 255, 255} : Rgb{255, 0, 255};
                }
    const std::string path = benchFolder() + "/font.mz";
    writeGzip(path, packedImageBytes(width, height, pixels));
    return path;
}

void loadPackedBackground(benchmark::State& state) {
    const std::string path = writeBackground();
    for (auto _ : state) {
        BITMAP* image = load_bitmap(path.c_str(), nullptr);
        benchmark::DoNotOptimize(image);
        destroy_bitmap(image);
    }
}
BENCHMARK(loadPackedBackground)->Unit(benchmark::kMillisecond);

void greyOutCanvas(benchmark::State& state) {
    Canvas canvas(320, 240);
    for (auto _ : state) {
        state.PauseTiming();
        clear_to_color(canvas.bitmap, makecol(41, 173, 255));
        state.ResumeTiming();
        greyOut(canvas.bitmap);
    }
}
BENCHMARK(greyOutCanvas)->Unit(benchmark::kMicrosecond);

void stretchCanvasToWindow(benchmark::State& state) {
    Canvas canvas(320, 240);
    clear_to_color(canvas.bitmap, makecol(41, 173, 255));
    BITMAP* window = create_bitmap(640, 480);
    for (auto _ : state)
        canvas.stretchOnto(window);
    destroy_bitmap(window);
}
BENCHMARK(stretchCanvasToWindow)->Unit(benchmark::kMicrosecond);

void drawFortyCharacterText(benchmark::State& state) {
    BitmapFont font(writeFont());
    font.kerning = 1;
    BITMAP* target = create_bitmap(320, 240);
    const char* text = "Placing Laser Turret - $25  Waves: 1234";
    for (auto _ : state)
        font.drawText(target, 2, 100, text);
    destroy_bitmap(target);
}
BENCHMARK(drawFortyCharacterText)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    install_allegro(SYSTEM_NONE, &errno, std::atexit);
    set_color_depth(32);
    registerPackedImageType();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
