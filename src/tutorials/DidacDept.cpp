#include "tutorials/DidacDept.h"

#include "app/Windows.h"

using namespace Qt::StringLiterals;

DidacDept::DidacDept() : TutorialFrame(u"Les départements"_s, u"Sommaire"_s), Stop(returnButton_) {}

platform::FormInstanceBase& DidacDept::self() { return win::DidacDept; }
