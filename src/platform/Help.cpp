#include "platform/Help.h"

#include "platform/ChmFile.h"
#include "platform/Dialogs.h"
#include "platform/HelpViewer.h"

#include <QFileInfo>
#include <QPointer>

namespace platform {

namespace {

const QString HelpTitle = QStringLiteral("Aide");

// One help window for the whole program, reused while it stays open.
class ViewerHelp final : public Help {
public:
    void show(QWidget* owner, const QString& chmPath) override
    {
        const QFileInfo info(chmPath);
        if (!info.isFile()) {
            MsgBox(QStringLiteral("Le fichier d'aide est introuvable :\r\n") + chmPath, vbExclamation, HelpTitle);
            return;
        }
        if (viewer_ && QFileInfo(viewer_->chm().fileName()) == info) {
            viewer_->present(owner);
            return;
        }
        std::unique_ptr<ChmFile> chm = ChmFile::open(chmPath);
        if (!chm || chm->defaultTopic().isEmpty()) {
            MsgBox(QStringLiteral("Le fichier d'aide est illisible ou endommagé :\r\n") + chmPath, vbExclamation, HelpTitle);
            return;
        }
        if (viewer_)
            delete viewer_.data(); // another help file was open
        viewer_ = new HelpViewer(std::move(chm), owner);
        viewer_->present(owner);
    }

private:
    QPointer<HelpViewer> viewer_;
};

} // namespace

Help& Help::real()
{
    static ViewerHelp help;
    return help;
}

} // namespace platform
