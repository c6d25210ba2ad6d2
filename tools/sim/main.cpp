// groundline-sim: bots play the game headless on a data folder, to measure
// what a strings.txt does to the game: how far each way of building gets, how
// long it takes, and where the money goes.

#include "sim/BotGame.h"
#include "sim/Chart.h"
#include "sim/SaveCheck.h"
#include "sim/Strategy.h"
#include "sim/Summary.h"

#include "app/Canvas.h"
#include "app/Engine.h"
#include "game/TowerType.h"
#include "gfx/PackedImage.h"
#include "invaders/InvaderKind.h"

#include <allegro.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "usage: groundline-sim [--data DIR] [--difficulty easy|normal|hard]\n"
    "                      [--strategy NAME[,NAME...]|all] [--seed N]\n"
    "                      [--games N] [--max-waves N] [--stall-limit SECONDS]\n"
    "                      [--fast] [--csv FILE] [--chart FILE.svg]\n"
    "       groundline-sim --check-save [the same options but --csv and --chart]\n"
    "strategies:";

struct SimOptions {
    std::string data = "data";
    Difficulty difficulty = Difficulty::Normal;
    std::vector<std::string> strategies;
    unsigned seed = 1;
    int games = 5;
    int maxWaves = 60;
    int stallLimit = static_cast<int>(BotGame::kDefaultStallLimit);
    bool fast = false;
    bool checkSave = false;
    std::string csv;
    std::string chart;
};

[[noreturn]] void usage() {
    std::fputs(kUsage, stderr);
    for (const std::string& name : strategyNames())
        std::fprintf(stderr, " %s", name.c_str());
    std::fputc('\n', stderr);
    std::exit(2);
}

int wholeNumber(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || value < 0 || value > 1000000)
        usage();
    return static_cast<int>(value);
}

std::vector<std::string> strategyList(const std::string& text) {
    if (text == "all")
        return strategyNames();
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        names.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

SimOptions parse(int argc, char** argv) {
    SimOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fast") {
            options.fast = true;
            continue;
        }
        if (arg == "--check-save") {
            options.checkSave = true;
            continue;
        }
        if (i + 1 >= argc)
            usage();
        const char* value = argv[++i];
        if (arg == "--data")
            options.data = value;
        else if (arg == "--difficulty" && difficultyNamed(value))
            options.difficulty = *difficultyNamed(value);
        else if (arg == "--strategy")
            options.strategies = strategyList(value);
        else if (arg == "--seed")
            options.seed = static_cast<unsigned>(wholeNumber(value));
        else if (arg == "--games")
            options.games = wholeNumber(value);
        else if (arg == "--max-waves")
            options.maxWaves = wholeNumber(value);
        else if (arg == "--stall-limit")
            options.stallLimit = wholeNumber(value);
        else if (arg == "--csv")
            options.csv = value;
        else if (arg == "--chart")
            options.chart = value;
        else
            usage();
    }
    if (options.strategies.empty())
        options.strategies = strategyNames();
    for (const std::string& name : options.strategies) {
        if (!makeStrategy(name)) {
            std::fprintf(stderr, "groundline-sim: no strategy \"%s\"\n", name.c_str());
            usage();
        }
    }
    if (options.games < 1)
        usage();
    return options;
}

// Reads the settings and the catalogue as the game's start-up does, from the
// given folder, without a window, with the difficulty's file laid over them.
bool loadData(const std::string& folder, Difficulty difficulty) {
    Engine::initHeadless();
    std::vector<std::string> problems = Engine::instance().loadData(folder);
    if (problems.empty())
        problems = Engine::instance().useDifficulty(difficulty);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "groundline-sim: %s\n", problem.c_str());
    return problems.empty();
}

// The kinds whose kills and escapes the lines give one by one: every kind
// the data brings, or none for data that has only squibbles, whose lines stay
// as they always were.
std::vector<int> reportedKinds() {
    std::vector<int> kinds = {0};
    const std::vector<InvaderDef>& defs = Engine::instance().invaderDefs;
    for (int kind = 1; kind < invaderKindCount(); ++kind)
        if (defs[kind].present)
            kinds.push_back(kind);
    return kinds.size() > 1 ? kinds : std::vector<int>();
}

void writeWaves(std::FILE* out, bool csv, const std::string& strategy, unsigned seed,
                const BotGame& game) {
    const std::vector<int> kinds = reportedKinds();
    for (const WaveRecord& w : game.waves) {
        // A boss's wave is marked by a star after its number.
        const std::string wave = std::to_string(w.wave) + (w.boss && !csv ? "*" : "");
        std::fprintf(out, csv ? "%s,%u,%s,%d,%d,%d,%d," : "%-12s %5u %5s %6d %7d %6d %6d ",
                     strategy.c_str(), seed, wave.c_str(), w.kills, w.escapes, w.health, w.money);
        for (int type = 0; type < towerTypeCount(); ++type) {
            const int width = static_cast<int>(towerTypes()[type].reportName.size());
            std::fprintf(out, csv ? "%d," : "%*d ", csv ? w.towers[type] : width, w.towers[type]);
        }
        std::fprintf(out, csv ? "%d,%.2f" : "%6d %9.1f", w.purchases, w.time);
        if (csv && !kinds.empty())
            std::fprintf(out, ",%d", w.boss ? 1 : 0);
        for (const int kind : kinds) {
            const int width = static_cast<int>(invaderKinds()[kind].reportName.size());
            const std::string both =
                std::to_string(w.killsByKind[kind]) + "/" + std::to_string(w.escapesByKind[kind]);
            if (csv)
                std::fprintf(out, ",%d,%d", w.killsByKind[kind], w.escapesByKind[kind]);
            else
                std::fprintf(out, " %*s", width, both.c_str());
        }
        std::fputc('\n', out);
    }
}

bool writeChart(const std::string& path, const Chart& chart) {
    const std::string svg = chart.svg();
    std::FILE* out = std::fopen(path.c_str(), "w");
    const bool written = out && std::fwrite(svg.data(), 1, svg.size(), out) == svg.size();
    if (!out || std::fclose(out) != 0 || !written) {
        std::fprintf(stderr, "groundline-sim: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

void writeWavesHeader(std::FILE* out, bool csv) {
    std::fprintf(out, csv ? "%s,%s,%s,%s,%s,%s,%s," : "%-12s %5s %5s %6s %7s %6s %6s ", "strategy",
                 "seed", "wave", "kills", "escapes", "health", "money");
    for (const TowerType& type : towerTypes())
        std::fprintf(out, csv ? "%s," : "%s ", type.reportName.c_str());
    std::fprintf(out, csv ? "%s,%s" : "%6s %9s", "bought", "time");
    // Each kind's kills and escapes, as "kills/escapes" on the screen.
    const std::vector<int> kinds = reportedKinds();
    if (csv && !kinds.empty())
        std::fputs(",boss", out);
    for (const int kind : kinds) {
        const char* name = invaderKinds()[kind].reportName.c_str();
        if (csv)
            std::fprintf(out, ",%s killed,%s escaped", name, name);
        else
            std::fprintf(out, " %s", name);
    }
    std::fputc('\n', out);
}

// Continues each game from saves at several of its wave starts and says,
// strategy by strategy and seed by seed, whether the rest of it went as the
// unbroken game did. Fails when any did not.
int checkEverySave(const SimOptions& options) {
    // Every fifth wave: wave 1, and then several on the way to where a game
    // is lost.
    constexpr int kEvery = 5;
    bool identical = true;
    for (const std::string& name : options.strategies) {
        for (int g = 0; g < options.games; ++g) {
            const unsigned seed = options.seed + static_cast<unsigned>(g);
            const SaveCheck check = checkSaves(name, seed, options.fast, options.maxWaves, kEvery);
            std::string waves;
            for (const int wave : check.wavesSaved)
                waves += (waves.empty() ? "" : ",") + std::to_string(wave);
            std::printf("%-12s seed %-3u continued from waves %s: %d waves compared, %s\n",
                        name.c_str(), seed, waves.c_str(), check.wavesCompared,
                        check.difference.empty() ? "identical" : "DIFFERENT");
            if (!check.difference.empty()) {
                std::printf("    wave %d: %s\n", check.differingWave, check.difference.c_str());
                identical = false;
            }
        }
    }
    std::printf(identical ? "every continued game was identical\n"
                          : "some continued games differed\n");
    return identical ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const SimOptions options = parse(argc, argv);
    if (!loadData(options.data, options.difficulty))
        return 1;
    if (options.checkSave)
        return checkEverySave(options);

    std::FILE* waves = stdout;
    if (!options.csv.empty()) {
        waves = std::fopen(options.csv.c_str(), "w");
        if (!waves) {
            std::fprintf(stderr, "groundline-sim: cannot write %s\n", options.csv.c_str());
            return 1;
        }
    }
    const bool csv = waves != stdout;
    writeWavesHeader(waves, csv);

    Summary summary;
    Chart chart;
    for (const std::string& name : options.strategies) {
        for (int g = 0; g < options.games; ++g) {
            const unsigned seed = options.seed + static_cast<unsigned>(g);
            BotGame game(seed, options.fast, options.maxWaves);
            game.stallLimit = options.stallLimit;
            game.playThrough(*makeStrategy(name));
            if (game.stalled())
                std::fprintf(stderr,
                             "groundline-sim: %s, seed %u: stalled in wave %d, nothing came or "
                             "went for %d s of game time\n",
                             name.c_str(), seed, game.session.waveNumber, options.stallLimit);
            writeWaves(waves, csv, name, seed, game);
            summary.add(name, game);
            chart.add(name, game);
        }
    }
    if (csv && std::fclose(waves) != 0) {
        std::fprintf(stderr, "groundline-sim: cannot write %s\n", options.csv.c_str());
        return 1;
    }
    if (!options.chart.empty() && !writeChart(options.chart, chart))
        return 1;
    if (!csv)
        std::fputc('\n', stdout);
    summary.print(stdout);
    return 0;
}
