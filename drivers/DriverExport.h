#pragma once
// The libraries are built with hidden symbols; only their entry points are exported, under
// their plain C names.

#define DRIVER_EXPORT extern "C" __attribute__((visibility("default")))
