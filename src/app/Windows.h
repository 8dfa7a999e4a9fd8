#pragma once
// The single application-wide instance of each window class.
#include "platform/Forms.h"

class Geomira;
class Sommaire;
class Menu;
class CarteDep;
class Rapport;
class Didacticiel;
class DidacDept;
class DidacReg;
class Blasons;
class DidacPop;
class DidacPop2;

namespace win {
extern platform::FormInstance<::Geomira> Geomira;
extern platform::FormInstance<::Sommaire> Sommaire;
extern platform::FormInstance<::Menu> Menu;
extern platform::FormInstance<::CarteDep> CarteDep;
extern platform::FormInstance<::Rapport> Rapport;
extern platform::FormInstance<::Didacticiel> Didacticiel;
extern platform::FormInstance<::DidacDept> DidacDept;
extern platform::FormInstance<::DidacReg> DidacReg;
extern platform::FormInstance<::Blasons> Blasons;
extern platform::FormInstance<::DidacPop> DidacPop;
extern platform::FormInstance<::DidacPop2> DidacPop2;

// Unloads all eleven windows in the fixed order; run by the close handler of
// the title window, the hub, the game chooser and the tutorial chooser.
void UnloadAll();
} // namespace win
