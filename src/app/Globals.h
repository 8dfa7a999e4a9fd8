#pragma once
// Application-wide variables shared by the windows.
#include <cstdint>

// Sound switch: 2 = on, 1 = off. Every load of the hub sets 2. The map
// tutorials, which run while the hub is unloaded, count their list changes in it.
extern int16_t EtatSon;
