#include "app/AjouteLigne.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

void AjouteLigne(QTextEdit* box, const QString& text, bool bold, bool italic, bool underline, int16_t size,
                 int32_t colour)
{
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);

    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setForeground(QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
    format.setFontUnderline(underline);
    if (size > 0)
        format.setFontPointSize(size);

    // The line's own format also goes on its block, so that an empty line
    // keeps it (and its height) like a written one.
    cursor.setBlockCharFormat(format);
    cursor.insertText(text, format);
    cursor.insertBlock(QTextBlockFormat(), format);
    box->setTextCursor(cursor);
}
