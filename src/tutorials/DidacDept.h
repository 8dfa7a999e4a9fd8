#pragma once
#include "tutorials/TutorialFrame.h"

class DidacDept : public TutorialFrame {
    Q_OBJECT
public:
    DidacDept();
    QPushButton* Stop;
    void Stop_Click() { returnToHub(); }

protected:
    platform::FormInstanceBase& self() override;
};
