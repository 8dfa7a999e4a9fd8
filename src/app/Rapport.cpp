#include "app/Rapport.h"

#include "platform/CloseBox.h"

using namespace Qt::StringLiterals;

Rapport::Rapport()
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(9600, 7200);
}

void Rapport::Form_Load() { platform::SupprimeFermeture(this, true); }
