#pragma once
// Appending formatted lines to a rich-text box (the correction report).
#include <QString>
#include <cstdint>

class QTextEdit;

// Appends `text` as one line at the end of the box, in the given style, size
// (points) and colour, and leaves the insertion point after it. Colours are
// numbers with red in the low byte (0x00BBGGRR): 255 is red, 0xFF0000 blue.
void AjouteLigne(QTextEdit* box, const QString& text, bool bold, bool italic, bool underline, int16_t size,
                 int32_t colour);
