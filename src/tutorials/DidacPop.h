#pragma once
// Areas and populations of the 96 départements: table and thematic maps.
#include "tutorials/StatWindow.h"

class DidacPop : public stats::StatWindow {
    Q_OBJECT
public:
    DidacPop();

protected:
    platform::FormInstanceBase& soi() override;
    int NombreItems() const override { return 96; }
    QStringList Ligne(int i) const override;
    int ItemDuDepartement(int n) const override { return n; }
    QString Nom(int item) const override;
    QString Superf(int item) const override;
    QString Pop90(int item) const override;
    QString Pop99(int item) const override;
};
