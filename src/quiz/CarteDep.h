#pragma once
// Quiz window.
#include "platform/Forms.h"

class CarteDep : public platform::FormWindow {
    Q_OBJECT
public:
    CarteDep();
    void Form_Load() override;
};
