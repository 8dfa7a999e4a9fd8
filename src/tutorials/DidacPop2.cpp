#include "tutorials/DidacPop2.h"

#include "app/Windows.h"

using namespace Qt::StringLiterals;

DidacPop2::DidacPop2() : TutorialFrame(u"Superficie et population des régions"_s, u"Sommaire"_s), Retour(returnButton_) {}

platform::FormInstanceBase& DidacPop2::self() { return win::DidacPop2; }
