#include "sim/Chart.h"

#include "sim/BotGame.h"
#include "sim/StrategyRows.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kWidth = 720;
constexpr int kPanelHeight = 200;
constexpr int kLeft = 70;
constexpr int kRight = 160; // room for the legend
constexpr int kTop = 30;
constexpr int kGap = 50;

// The game's own palette, in an order that keeps neighbouring lines apart.
const char* const kColours[] = {"#ff004d", "#29adff", "#00e436", "#ffa300", "#7e2553",
                                "#83769c", "#ffec27", "#1d2b53", "#ab5236", "#008751"};

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", value);
    return text;
}

} // namespace

void Chart::add(const std::string& strategy, const BotGame& game) {
    Line* line = &rowOf(lines, strategy);
    for (const WaveRecord& record : game.waves) {
        if (record.wave < 1)
            continue;
        if (line->byWave.size() < static_cast<size_t>(record.wave))
            line->byWave.resize(record.wave);
        if (record.boss) {
            if (bossWaves.size() < static_cast<size_t>(record.wave))
                bossWaves.resize(record.wave);
            bossWaves[record.wave - 1] = true;
        }
        Point& point = line->byWave[record.wave - 1];
        point.money += record.money;
        point.health += record.health;
        point.purchases += record.purchases;
        ++point.games;
    }
}

std::string Chart::svg() const {
    size_t waves = 1;
    for (const Line& line : lines)
        waves = std::max(waves, line.byWave.size());
    const int plotWidth = kWidth - kLeft - kRight;
    const int height = kTop + 3 * (kPanelHeight + kGap);

    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(kWidth) +
                      "\" height=\"" + number(height) +
                      "\" font-family=\"sans-serif\" font-size=\"12\">\n"
                      "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";
    struct Panel {
        const char* title;
        std::function<double(const Point&)> value;
    };
    const Panel panels[] = {
        {"money at the end of the wave ($)", [](const Point& p) { return p.money / p.games; }},
        {"health at the end of the wave", [](const Point& p) { return p.health / p.games; }},
        {"towers and levels bought so far", [](const Point& p) { return p.purchases / p.games; }},
    };
    for (int k = 0; k < 3; ++k) {
        const int top = kTop + k * (kPanelHeight + kGap);
        double most = 1.0;
        for (const Line& line : lines)
            for (const Point& point : line.byWave)
                if (point.games > 0)
                    most = std::max(most, panels[k].value(point));
        const auto x = [&](size_t wave) { return kLeft + plotWidth * (wave + 1.0) / waves; };
        const auto y = [&](double value) { return top + kPanelHeight * (1.0 - value / most); };

        out += "<text x=\"" + number(kLeft) + "\" y=\"" + number(top - 8) + "\">" +
               panels[k].title + "</text>\n";
        const double column = static_cast<double>(plotWidth) / waves;
        for (size_t wave = 0; wave < bossWaves.size(); ++wave)
            if (bossWaves[wave])
                out += "<rect x=\"" + number(x(wave) - column / 2) + "\" y=\"" + number(top) +
                       "\" width=\"" + number(column) + "\" height=\"" + number(kPanelHeight) +
                       "\" fill=\"#ffccaa\"/>\n";
        out += "<rect x=\"" + number(kLeft) + "\" y=\"" + number(top) + "\" width=\"" +
               number(plotWidth) + "\" height=\"" + number(kPanelHeight) +
               "\" fill=\"none\" stroke=\"#c2c3c7\"/>\n";
        out += "<text x=\"" + number(kLeft - 6) + "\" y=\"" + number(top + 4) +
               "\" text-anchor=\"end\">" + number(most) + "</text>\n";
        out += "<text x=\"" + number(kLeft - 6) + "\" y=\"" + number(top + kPanelHeight) +
               "\" text-anchor=\"end\">0</text>\n";
        // Wave 1 and every fifth wave, each over a faint line up the panel.
        out += "<text x=\"" + number(kLeft - 6) + "\" y=\"" + number(top + kPanelHeight + 16) +
               "\" text-anchor=\"end\">wave</text>\n";
        for (size_t wave = 1; wave <= waves; wave += wave == 1 ? 4 : 5) {
            out += "<line x1=\"" + number(x(wave - 1)) + "\" y1=\"" + number(top) + "\" x2=\"" +
                   number(x(wave - 1)) + "\" y2=\"" + number(top + kPanelHeight) +
                   "\" stroke=\"#eeeeee\"/>\n<text x=\"" + number(x(wave - 1)) + "\" y=\"" +
                   number(top + kPanelHeight + 16) + "\" text-anchor=\"middle\">" + number(wave) +
                   "</text>\n";
        }
        for (size_t n = 0; n < lines.size(); ++n) {
            std::string points;
            for (size_t wave = 0; wave < lines[n].byWave.size(); ++wave) {
                const Point& point = lines[n].byWave[wave];
                if (point.games > 0)
                    points += number(x(wave)) + "," + number(y(panels[k].value(point))) + " ";
            }
            out += "<polyline fill=\"none\" stroke-width=\"2\" stroke=\"" +
                   std::string(kColours[n % std::size(kColours)]) + "\" points=\"" + points +
                   "\"/>\n";
        }
    }
    for (size_t n = 0; n < lines.size(); ++n) {
        const int top = kTop + 16 * static_cast<int>(n);
        const int left = kWidth - kRight + 16;
        out += "<rect x=\"" + number(left) + "\" y=\"" + number(top) +
               "\" width=\"12\" height=\"4\" fill=\"" + kColours[n % std::size(kColours)] +
               "\"/>\n<text x=\"" + number(left + 18) + "\" y=\"" + number(top + 6) + "\">" +
               lines[n].strategy + "</text>\n";
    }
    if (std::find(bossWaves.begin(), bossWaves.end(), true) != bossWaves.end()) {
        const int top = kTop + 16 * static_cast<int>(lines.size());
        const int left = kWidth - kRight + 16;
        out += "<rect x=\"" + number(left) + "\" y=\"" + number(top - 2) +
               "\" width=\"12\" height=\"10\" fill=\"#ffccaa\"/>\n<text x=\"" + number(left + 18) +
               "\" y=\"" + number(top + 6) + "\">boss wave</text>\n";
    }
    return out + "</svg>\n";
}
