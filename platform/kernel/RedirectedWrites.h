#pragma once
// Files written beside the executable. Once installed, the program's folder belongs to the
// system and refuses the user's writes; as Windows moves writes into a protected program
// folder to a per-user store, a file there that cannot be opened for writing because the folder
// or the file is not writable is opened under the same name in the user's state folder. A build
// folder stays writable, so its files stay where they are.
//
// The C library's fopen is routed here for every program linked with the kernel layer (the
// linker's --wrap), so callers keep calling fopen. Reads are never redirected: nothing the user
// can write is read back as one of the program's own files, and a program that runs with more
// privilege than its caller (set-user-id, file capabilities) is never redirected.

#include <cstdio>

// fopen, redirected as above; when the state folder cannot be made or opened either, it fails
// with the first attempt's error.
FILE* OpenRedirectingWrites(const char* path, const char* mode);
