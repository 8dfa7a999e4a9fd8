#include "tutorials/Blasons.h"

#include "app/Windows.h"

using namespace Qt::StringLiterals;

Blasons::Blasons() : TutorialFrame(u"Les blasons des régions"_s, u"Retour"_s), Retour(returnButton_) {}

platform::FormInstanceBase& Blasons::self() { return win::Blasons; }
