#include "tutorials/TutorialFrame.h"

#include "app/Windows.h"
#include "platform/CloseBox.h"
#include "platform/Fonts.h"
#include "platform/Screen.h"

using namespace Qt::StringLiterals;

TutorialFrame::TutorialFrame(const QString& heading, const QString& returnCaption)
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(11400, 8100);
    heading_ = new QLabel(heading, this);
    heading_->setFont(platform::designFont(u"Verdana"_s, 14, true));
    heading_->setAlignment(Qt::AlignCenter);
    platform::placeTw(heading_, 300, 300, 10800, 600);
    returnButton_ = new QPushButton(returnCaption, this);
    returnButton_->setFont(platform::designFont(u"Verdana"_s, 9, true));
    platform::placeTw(returnButton_, 9300, 7350, 1800, 510);
    connect(returnButton_, &QPushButton::clicked, this, [this] { returnToHub(); });
}

void TutorialFrame::Form_Load() { platform::SupprimeFermeture(this, true); }

void TutorialFrame::returnToHub()
{
    self().Unload();
    win::Sommaire.Show();
}
