#pragma once

#include <memory>
#include <string>
#include <vector>

class BotGame;

// How a bot spends its money. It gets its turn before every frame; this one
// never buys anything.
class Strategy {
  public:
    virtual ~Strategy() = default;

    // Buys or sells whatever it wants to before the next frame.
    virtual void act(BotGame&) {}
};

// Every strategy by the name the command line takes, in the order of the
// summary table.
const std::vector<std::string>& strategyNames();

// A fresh strategy for one game, or none for an unknown name.
std::unique_ptr<Strategy> makeStrategy(const std::string& name);
