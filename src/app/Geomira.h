#pragma once
// Title window: the first window of the program.
#include "platform/Controls.h"
#include "platform/Forms.h"

class Geomira : public platform::FormWindow {
    Q_OBJECT
public:
    Geomira();

    void Form_Load() override;
    void Form_QueryUnload() override;

    platform::ClickLabel* Image1;
    platform::ClickLabel* Image2;
    platform::ClickLabel* Image4;
    platform::ClickLabel* Label1;
    platform::ClickLabel* Label2;
    platform::ClickLabel* Label3;

    // Every click on the window hides it and shows the hub.
    void Form_Click();
    void Image1_Click() { Form_Click(); }
    void Image2_Click() { Form_Click(); }
    void Image4_Click() { Form_Click(); }
    void Label1_Click() { Form_Click(); }
    void Label2_Click() { Form_Click(); }
    void Label3_Click() { Form_Click(); }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The screen-size test of the title window: the message to show when the
// screen is below 800 × 600 pixels, or an empty text when it is large enough.
QString MessageResolution();
