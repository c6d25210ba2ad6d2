#pragma once

// Ends the game's process with this status once everything worth keeping is
// on disk. On Windows it skips the graphics library's own shutdown, whose GDI
// driver can deadlock with its timer thread (the exit holds the drawing lock
// while it waits for the timer, whose drawing waits for that lock) and, even
// when it does not, takes some two seconds; the system frees the window, the
// sound and the input devices with the process. Elsewhere it is std::exit.
[[noreturn]] void endProcess(int status);
