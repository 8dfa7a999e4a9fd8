#include "tutorials/DidacReg.h"

#include "app/Windows.h"

using namespace Qt::StringLiterals;

DidacReg::DidacReg() : TutorialFrame(u"Les régions"_s, u"Sommaire"_s), Stop(returnButton_) {}

platform::FormInstanceBase& DidacReg::self() { return win::DidacReg; }
