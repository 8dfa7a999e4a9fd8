#pragma once
// A label whose text breaks only where the text itself breaks: when a line of
// it is wider than the label, the letters are narrowed (the lines keep their
// height) until the widest line fits.
#include <QLabel>

class LibelleAjuste : public QLabel {
public:
    explicit LibelleAjuste(QWidget* parent);

    // Hides QLabel::setText: every text the quiz window writes goes through the
    // fitting (the label is placed before its first text and never resized).
    void setText(const QString& texte);

private:
    void ajuste();
    QFont police_;  // the design's font, the widest the label ever uses
};
