#pragma once

#include "app/Engine.h"
#include "support/FakePlatform.h"

#include <memory>

// The engine is one object for the whole test program; a test that changes it
// holds one of these, first among its members, and finds the engine as it was
// when the scope ends: settings, pictures, definitions, session, clock and
// mouse. Meanwhile input and the clock come from the fake platform, which
// starts with no button held and the frame clock at its own time.
class EngineScope {
  public:
    EngineScope();
    ~EngineScope();
    EngineScope(const EngineScope&) = delete;
    EngineScope& operator=(const EngineScope&) = delete;

    Engine& engine = Engine::instance();
    FakePlatform platform;

  private:
    struct Saved;
    std::unique_ptr<Saved> saved;
};
