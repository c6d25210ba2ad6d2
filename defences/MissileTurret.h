#pragma once

#include "defences/Building.h"

// Launches a homing missile with splash at a random invader every period.
class MissileTurret : public Building {
  public:
    // Of the type at that place in towerTypes().
    explicit MissileTurret(int type);

    void update(double dt) override;
    // A level raises the splash too: its damage and its radius.
    void upgrade() override;
    const char* reachName() const override { return "splash"; }
    double reach() const override { return splashRadius; }

    int splashDamage;    // dealt by each blast to every invader near it
    double splashRadius; // pixels
    bool facingRight;    // the side of the last launch

  protected:
    void fire() override;
};
