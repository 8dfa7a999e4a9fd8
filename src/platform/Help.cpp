#include "platform/Help.h"

#include "platform/Dialogs.h"

#include <QFileInfo>

namespace platform {

namespace {
// Stand-in until the viewer over the compiled help is in place.
class MessageHelp final : public Help {
public:
    void show(QWidget*, const QString& chmPath) override
    {
        if (!QFileInfo(chmPath).isFile()) {
            MsgBox(QStringLiteral("Le fichier d'aide est introuvable :\r\n") + chmPath, vbExclamation, QStringLiteral("Aide"));
            return;
        }
    }
};
} // namespace

Help& Help::real()
{
    static MessageHelp help;
    return help;
}

} // namespace platform
