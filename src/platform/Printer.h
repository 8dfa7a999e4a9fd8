#pragma once
// Printing of formatted text: the system's default printer, or a PDF file.
#include "platform/Seam.h"
#include <QString>
#include <utility>

class QPagedPaintDevice;
class QTextDocument;
class QTextEdit;

namespace platform {

class Printer {
public:
    virtual ~Printer() = default;
    // Prints the document, keeping its fonts, sizes and colours. Returns false
    // when nothing could be printed, with a French explanation for the user
    // in *error.
    virtual bool print(const QTextDocument& document, QString* error) = 0;
    // The system's default printer.
    static Printer& real();
};

// Writes each print into a PDF file (replacing it).
class PdfPrinter : public Printer {
public:
    explicit PdfPrinter(QString path) : path_(std::move(path)) {}
    bool print(const QTextDocument& document, QString* error) override;
    const QString& path() const { return path_; }

private:
    QString path_;
};

// Lays the document out on the pages of a started device and paints it, page
// after page. False when the device cannot be painted on or a page cannot be added.
bool printOnDevice(const QTextDocument& document, QPagedPaintDevice& device, QString* error);

// Prints a rich-text box on the current printer: only the selected text when
// the player selected some, else the whole text.
bool PrintRichText(const QTextEdit& box, QString* error);

} // namespace platform
