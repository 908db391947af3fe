#pragma once

// Symbols that cross library boundaries. The runtime library exports its whole interface;
// component libraries are built with hidden visibility and export their entry points only.
#define QUENMOOR_EXPORT __attribute__((visibility("default")))
