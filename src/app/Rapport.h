#pragma once
// Correction report of a game: the wrong answers, to read or print.
#include "platform/Controls.h"
#include "platform/Forms.h"

#include <QTextEdit>

class Rapport : public platform::FormWindow {
    Q_OBJECT
public:
    Rapport();

    void Form_Load() override;

    void Fermer_Click();
    void Imprime_Click();
    void aide_Click();

    QTextEdit* RichTextBox1;  // filled line by line through AjouteLigne
    QPushButton* Imprime;
    QPushButton* aide;
    QPushButton* Fermer;
    QStatusBar* StatusBar2;
};
