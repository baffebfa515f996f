#pragma once
// Running without a display (offscreen pictures, the command line), Qt notes
// that it cannot pass window size hints on and that no runtime folder is set.
// Neither says anything to the user; every other message passes through.
namespace quorvel {
void installQuietPlatformNotes();
}
