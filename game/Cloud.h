#pragma once

// One cloud of the background, drifting left and wrapping round.
struct Cloud {
    double x;     // left edge, pixels
    double y;     // top edge, pixels
    double speed; // leftward drift, pixels per second
    int image;    // 0 to 4: which of the engine's cloud images
};
