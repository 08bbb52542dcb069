#pragma once

#include <string>

// The per-user folder for locks and sockets: $XDG_RUNTIME_DIR, else a private folder of the
// user's own under the temporary folder (created with mode 0700, refused when another user owns
// it). Empty when neither is usable.
std::string UserRuntimeFolder();
