#include "quiz/CarteDep.h"

#include "platform/CloseBox.h"
#include "quiz/Tables.h"

using namespace Qt::StringLiterals;

CarteDep::CarteDep()
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11400, 8100);
}

void CarteDep::Form_Load()
{
    platform::SupprimeFermeture(this, true);
    RemplitTables();
}
