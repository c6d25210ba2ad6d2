#include "app/Engine.h"
#include "game/GameSession.h"

#include <allegro.h>

int main() {
    Engine& engine = Engine::instance();
    engine.init();

    GameSession* session = new GameSession;
    engine.setSession(session);
    session->run();

    engine.setSession(nullptr);
    delete session;
    return 0;
}
END_OF_MAIN()
