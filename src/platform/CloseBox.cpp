#include "platform/CloseBox.h"

#include "platform/Forms.h"

namespace platform {

void SupprimeFermeture(FormWindow* window, bool remove)
{
    if (window)
        window->setCloseBoxRemoved(remove);
}

} // namespace platform
