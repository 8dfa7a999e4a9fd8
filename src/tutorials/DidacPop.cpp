#include "tutorials/DidacPop.h"

#include "app/Windows.h"

using namespace Qt::StringLiterals;

DidacPop::DidacPop() : TutorialFrame(u"Superficie et population des départements"_s, u"Sommaire"_s), Retour(returnButton_) {}

platform::FormInstanceBase& DidacPop::self() { return win::DidacPop; }
