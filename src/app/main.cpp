// Geomira: learning the départements and régions of France.
#include "app/Application.h"
#include "app/Windows.h"
#include "app/Geomira.h"
#include "platform/Forms.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PrepareApplication(app);
    win::Geomira.Show();
    if (platform::programEnded())
        return 0;
    return QApplication::exec();
}
