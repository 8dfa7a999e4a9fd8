#pragma once
// Printing: the system's default printer, or a PDF file.
#include "platform/Seam.h"
#include <QPageLayout>
#include <QString>
#include <utility>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;
class QTextDocument;
class QTextEdit;

namespace platform {

// What a print lays on its sheets, page after page.
class Printout {
public:
    virtual ~Printout() = default;
    // The text printed, page after page.
    virtual QString plainText() const = 0;
    // Lays the printout out for the device in an area of the given size
    // (device pixels); returns its number of pages.
    virtual int layOut(QPaintDevice& device, const QSizeF& area) = 0;
    // Paints one page (from 0), the painter's origin at the area's top-left corner.
    virtual void paintPage(QPainter& painter, int page) = 0;
};

class Printer {
public:
    virtual ~Printer() = default;
    // The printer's sheet in portrait, its margins being the border the
    // printer reports it cannot reach (none by default).
    virtual QPageLayout paper();
    // The sheet turned to the orientation, its margins framing what is printed:
    // in portrait 2 cm, or the border out of reach where it is wider; in
    // landscape that border turned with the sheet, never under 5 mm so that
    // nothing touches the sheet's edge.
    QPageLayout pageLayout(QPageLayout::Orientation orientation);
    // Prints within pageLayout(orientation). Returns false when nothing could
    // be printed, with a French explanation for the user in *error.
    virtual bool print(Printout& printout, QString* error, QPageLayout::Orientation orientation) = 0;
    // A text document over as many pages as it needs, keeping its fonts, sizes and colours.
    bool printDocument(const QTextDocument& document, QString* error,
                       QPageLayout::Orientation orientation = QPageLayout::Portrait);
    // The system's default printer, on its queue's paper.
    static Printer& real();
};

// Writes each print into a PDF file (replacing it), on the given paper.
class PdfPrinter : public Printer {
public:
    explicit PdfPrinter(QString path, QPageLayout paper = QPageLayout())
        : path_(std::move(path)), paper_(std::move(paper)) {}
    QPageLayout paper() override { return paper_.isValid() ? paper_ : Printer::paper(); }
    bool print(Printout& printout, QString* error, QPageLayout::Orientation orientation) override;
    const QString& path() const { return path_; }

private:
    QString path_;
    QPageLayout paper_;
};

// Paints the printout on a started device whose pages are laid out full-page,
// within the area `zone` (points from the sheet's top-left corner). False when
// the device cannot be painted on or a page cannot be added.
bool printOnDevice(Printout& printout, QPagedPaintDevice& device, const QRectF& zone, QString* error);

// Prints a rich-text box on the current printer: only the selected text when
// the player selected some, else the whole text.
bool PrintRichText(const QTextEdit& box, QString* error);

} // namespace platform
