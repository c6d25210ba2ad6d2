#pragma once

#include <string>
#include <vector>

class Invader;

// Everything the game needs to know about a kind of invader besides its
// class: where its settings are, how to make one, what its sheet must hold and
// what the bots' reports call it. Adding a kind means writing its class,
// adding its row to invaderKinds() and giving it its data.
struct InvaderKind {
    // The n of its "Invader%d..." keys in strings.txt.
    int settingsNumber;
    // A new invader of this kind, its health set for the wave of the given
    // number, not yet placed; the kind is its place in the table.
    Invader* (*make)(int kind, int waveNumber);
    // How many animations its sheet must have for the game to play it.
    unsigned animations;
    // What the bots' reports call a crowd of them ("squibbles").
    std::string reportName;
    // Whether it comes alone, every "BossWaveEvery"th wave, rather than in
    // the marching block.
    bool leadsBossWaves;
    // Whether it moves at a pace of its own, its "Invader%dSpeed", rather
    // than the block's: without one it would stand still and its wave would
    // never end.
    bool ownPace;
};

// Every kind of invader; an invader's kind is its place here. The first is
// the squibble, the one kind every data folder must have.
const std::vector<InvaderKind>& invaderKinds();

// How many there are, as an invader's kind counts them.
int invaderKindCount();

// A new invader of the given kind, or null for a number that is no kind.
Invader* makeInvader(int kind, int waveNumber);
