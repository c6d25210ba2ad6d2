// paint-art: draws the game's own art into the art folder. The PNG strips and
// ".sheet" descriptions it writes are the sources that data/ is built from.

#include "glpack/Palette.h"
#include "painter/ArtFolder.h"
#include "painter/EffectPainter.h"
#include "painter/FontPainter.h"
#include "painter/IconPainter.h"
#include "painter/Ink.h"
#include "painter/InterfacePainter.h"
#include "painter/InvaderPainter.h"
#include "painter/ScenePainter.h"
#include "painter/TowerPainter.h"

#include <allegro.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: paint-art ART_FOLDER\n", stderr);
        return 2;
    }
    install_allegro(SYSTEM_NONE, &errno, std::atexit);
    set_color_depth(32);

    const std::string folder = argv[1];
    Palette palette;
    std::string error;
    if (!palette.load(folder + "/palette.txt", error)) {
        std::fprintf(stderr, "paint-art: %s\n", error.c_str());
        return 1;
    }

    ArtFolder art(folder, palette);
    art.image("bg", ScenePainter::background());
    for (int n = 1; n <= 5; ++n)
        art.image("cloud" + std::to_string(n), ScenePainter::cloud(n));

    art.sheet("tower_laser", "Laser turret: a tall barrel that fires straight up.",
              TowerPainter::laserTurret());
    art.sheet("tower_missile", "Missile turret: a launcher whose tube turns left or right.",
              TowerPainter::missileTurret());
    art.sheet("tower_tesla", "Tesla coil: a mast with a glowing ball.", TowerPainter::teslaCoil());
    art.sheet("squibble", "Squibble: the invader.", InvaderPainter::squibble());
    art.sheet("shellback", "Shellback: a squibble under a steel shell.",
              InvaderPainter::shellback());
    art.sheet("dartling", "Dartling: a frail flier that dives out of the block.",
              InvaderPainter::dartling());
    art.sheet("broodmother", "Broodmother: the boss, who comes alone.",
              InvaderPainter::broodmother());

    art.sheet("missile", "Missile: one animation per direction, 22.5 degrees apart.",
              EffectPainter::missile());
    art.sheet("poof", "Poof: a squibble vanishes.", EffectPainter::poof());
    art.sheet("poof_shards", "Shards: a shellback's shell bursts.", EffectPainter::shards());
    art.sheet("poof_feathers", "Down: a dartling vanishes.", EffectPainter::feathers());
    art.sheet("poof_brood", "Great cloud: the broodmother bursts.", EffectPainter::broodBurst());
    art.sheet("explosion_small", "Small explosion: a missile's blast.",
              EffectPainter::explosionSmall());
    art.sheet("puff1", "Puff: a large puff of smoke.", EffectPainter::puff(10));
    art.sheet("puff2", "Puff: a small puff of smoke, behind missiles and at launches.",
              EffectPainter::puff(8));
    art.image("laser_small", EffectPainter::laserSmall());
    art.image("laser_medium", EffectPainter::laserMedium());

    art.image("slots", InterfacePainter::slots());
    art.image("icons", InterfacePainter::icons());
    art.image("upgrade_icons", InterfacePainter::upgradeIcons());
    art.image("redbar", InterfacePainter::redBar());
    art.image("selector", InterfacePainter::selector());

    art.image("font_main", FontPainter::mainFont(Ink::White, Ink::DarkBlue));
    art.image("font_main_red", FontPainter::mainFont(Ink::Red, Ink::DarkBlue));
    art.image("font_small", FontPainter::smallFont(Ink::White, Ink::DarkBlue));
    art.image("font_small_red", FontPainter::smallFont(Ink::Red, Ink::DarkBlue));

    // 16 to 512 pixels: the hicolor theme's sizes that 16 reaches by whole factors,
    // 192 and 512 among them for the web page's manifest.
    art.icon("groundline", IconPainter::icon(), {1, 2, 3, 4, 8, 12, 16, 32});
    return art.succeeded() ? 0 : 1;
}
