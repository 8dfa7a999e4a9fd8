#pragma once
// Printing of formatted text: the system's default printer, or a PDF file.
#include "platform/Seam.h"
#include <QPageLayout>
#include <QString>
#include <utility>

class QPagedPaintDevice;
class QTextDocument;
class QTextEdit;

namespace platform {

class Printer {
public:
    virtual ~Printer() = default;
    // The sheet as this printer prints on it: portrait within margins of 2 cm;
    // landscape across the whole area the printer can reach, whose width the
    // statistics tables share out between their columns.
    virtual QPageLayout pageLayout(QPageLayout::Orientation orientation);
    // Prints the document on sheets laid out by pageLayout(orientation),
    // keeping its fonts, sizes and colours. Returns false when nothing could
    // be printed, with a French explanation for the user in *error.
    virtual bool print(const QTextDocument& document, QString* error,
                       QPageLayout::Orientation orientation = QPageLayout::Portrait) = 0;
    // The system's default printer.
    static Printer& real();
};

// Writes each print into a PDF file (replacing it).
class PdfPrinter : public Printer {
public:
    explicit PdfPrinter(QString path) : path_(std::move(path)) {}
    bool print(const QTextDocument& document, QString* error,
               QPageLayout::Orientation orientation = QPageLayout::Portrait) override;
    const QString& path() const { return path_; }

private:
    QString path_;
};

// Lays the document out on the pages of a started device and paints it, page
// after page. False when the device cannot be painted on or a page cannot be added.
bool printOnDevice(const QTextDocument& document, QPagedPaintDevice& device, const QPageLayout& layout, QString* error);

// Prints a rich-text box on the current printer: only the selected text when
// the player selected some, else the whole text.
bool PrintRichText(const QTextEdit& box, QString* error);

} // namespace platform
