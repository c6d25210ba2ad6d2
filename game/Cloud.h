#pragma once

#include <vector>

struct BITMAP;

// One cloud of the background, drifting left and wrapping round.
struct Cloud {
    double x;     // left edge, pixels
    double y;     // top edge, pixels
    double speed; // leftward drift, pixels per second
    int image;    // 0 to 4: which of the engine's cloud images
};

// The sky's seventeen clouds, slowest first, placed with the game's random
// sequence.
std::vector<Cloud> makeClouds();
// Moves each cloud left by dt seconds of its drift; one that has passed the
// left edge comes back at the right.
void driftClouds(std::vector<Cloud>& clouds, double dt);
// The canvas cleared, the background (sky and ground) over it, then each
// cloud's image, in order.
void drawBackdrop(const std::vector<Cloud>& clouds, BITMAP* canvas);
