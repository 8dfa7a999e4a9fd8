#include "app/Geomira.h"

#include "app/Crypte.h"
#include "app/Windows.h"
#include "platform/Conversions.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"

#include <QMouseEvent>
#include <algorithm>

using namespace Qt::StringLiterals;
using platform::placeTw;

Geomira::Geomira()
{
    setWindowTitle(u"Geomira"_s);
    setClientSizeTw(10590, 7605);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    // The pictures are stored at the size of their boxes: nothing is scaled at start-up.
    auto picture = [this](const QString& resource, QColor fallback, int left, int top, int width, int height) {
        auto* image = new platform::ClickLabel(this);
        placeTw(image, left, top, width, height);
        image->setPixmap(platform::storedPicture(resource, image->size(), fallback));
        return image;
    };
    Image1 = picture(u":/stored/title.gif"_s, QColor(148, 173, 214), 1560, 120, 7935, 7245);
    Image2 = picture(u":/stored/small_left.jpg"_s, QColor(0, 35, 149), 360, 240, 975, 465);
    Image4 = picture(u":/stored/small_right.jpg"_s, QColor(237, 41, 57), 9240, 240, 975, 465);

    Label1 = new platform::ClickLabel(u"Geomira"_s, this);
    Label1->setFont(platform::designFont(u"Times New Roman"_s, 48, true, true));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(u"color: rgb(0, 0, 128);"_s);
    placeTw(Label1, 2880, 1680, 5775, 1095);

    Label2 = new platform::ClickLabel(u"Apprendre la géographie des départements et des régions de France"_s, this);
    Label2->setFont(platform::designFont(u"Arial"_s, 9, false, true));
    placeTw(Label2, 120, 7200, 8295, 375);

    Label3 = new platform::ClickLabel(u"Cliquez pour continuer ..."_s, this);
    Label3->setFont(platform::designFont(u"MS Sans Serif"_s, 8));
    placeTw(Label3, 8400, 7320, 2055, 255);

    connect(Image1, &platform::ClickLabel::clicked, this, &Geomira::Image1_Click);
    connect(Image2, &platform::ClickLabel::clicked, this, &Geomira::Image2_Click);
    connect(Image4, &platform::ClickLabel::clicked, this, &Geomira::Image4_Click);
    connect(Label1, &platform::ClickLabel::clicked, this, &Geomira::Label1_Click);
    connect(Label2, &platform::ClickLabel::clicked, this, &Geomira::Label2_Click);
    connect(Label3, &platform::ClickLabel::clicked, this, &Geomira::Label3_Click);
}

QString MessageResolution()
{
    // Operands taken as whole numbers, quotient truncated. The width of a
    // large screen in twips does not fit 16 bits, so 32-bit integers are used.
    platform::Screen& screen = platform::TheScreen();
    const long long w = platform::CLng(screen.widthTwips()) / std::max(1, int(platform::CLng(screen.twipsPerPixelX())));
    const long long h = platform::CLng(screen.heightTwips()) / std::max(1, int(platform::CLng(screen.twipsPerPixelY())));
    if (w >= 800 && h >= 600)
        return QString();
    return u"Votre résolution"_s + platform::Str(w) + u" x"_s + platform::Str(h) + u" est insuffisante"_s
        + u"\r\n\r\n"_s + u"La résolution minimum requise est 800 x 600"_s;
}

void Geomira::Form_Load()
{
    Cle = QString::fromLatin1(kCleValue);
    const QString message = MessageResolution();
    if (!message.isEmpty()) {
        platform::MsgBox(message, platform::vbCritical, u"Problème de Résolution"_s);
        platform::End();
    }
}

void Geomira::Form_QueryUnload() { win::UnloadAll(); }

void Geomira::Form_Click()
{
    win::Geomira.Hide();
    win::Sommaire.Show();
}

void Geomira::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Form_Click();
}
