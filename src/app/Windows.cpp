#include "app/Windows.h"

#include "app/Didacticiel.h"
#include "app/Geomira.h"
#include "app/Menu.h"
#include "app/Rapport.h"
#include "app/Sommaire.h"
#include "quiz/CarteDep.h"
#include "tutorials/Blasons.h"
#include "tutorials/DidacDept.h"
#include "tutorials/DidacPop.h"
#include "tutorials/DidacPop2.h"
#include "tutorials/DidacReg.h"

namespace win {
platform::FormInstance<::Geomira> Geomira("Geomira");
platform::FormInstance<::Sommaire> Sommaire("Sommaire");
platform::FormInstance<::Menu> Menu("Menu");
platform::FormInstance<::CarteDep> CarteDep("CarteDep");
platform::FormInstance<::Rapport> Rapport("Rapport");
platform::FormInstance<::Didacticiel> Didacticiel("Didacticiel");
platform::FormInstance<::DidacDept> DidacDept("DidacDept");
platform::FormInstance<::DidacReg> DidacReg("DidacReg");
platform::FormInstance<::Blasons> Blasons("Blasons");
platform::FormInstance<::DidacPop> DidacPop("DidacPop");
platform::FormInstance<::DidacPop2> DidacPop2("DidacPop2");

void UnloadAll()
{
    platform::FormInstanceBase::unloadAll({&Blasons, &CarteDep, &DidacDept, &DidacPop, &DidacPop2, &DidacReg,
                                           &Didacticiel, &Geomira, &Menu, &Rapport, &Sommaire});
}
} // namespace win
