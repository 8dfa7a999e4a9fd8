#include "app/Globals.h"

int16_t EtatSon = 0;
