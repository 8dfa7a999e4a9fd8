#include "platform/Printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <memory>

namespace platform {

namespace {

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

const QString kNothingPrinted = QStringLiteral("Rien n'a été imprimé.");

QMarginsF atLeast(const QMarginsF& margins, double least)
{
    return QMarginsF(qMax(margins.left(), least), qMax(margins.top(), least), qMax(margins.right(), least),
                     qMax(margins.bottom(), least));
}

// A text document over as many pages as its layout needs.
class DocumentPrintout final : public Printout {
public:
    explicit DocumentPrintout(const QTextDocument& document) : document_(document) {}

    QString plainText() const override { return document_.toPlainText(); }

    int layOut(QPaintDevice& device, const QSizeF& area) override
    {
        // Laid out again at the device's resolution: point sizes stay point sizes.
        copy_.reset(document_.clone());
        copy_->documentLayout()->setPaintDevice(&device);
        copy_->setPageSize(area);
        page_ = area;
        return copy_->pageCount();
    }

    void paintPage(QPainter& painter, int page) override
    {
        painter.translate(0, -page * page_.height());
        copy_->drawContents(&painter, QRectF(QPointF(0, page * page_.height()), page_));
    }

private:
    const QTextDocument& document_;
    std::unique_ptr<QTextDocument> copy_;
    QSizeF page_;
};

// Puts the printer on its queue's own paper: Qt opens every queue on A4 when the
// queue lists A4 at all, whatever paper the queue is set to. The border out of
// reach follows the paper set. A queue without a driver names no paper (an
// invalid size, which leaves the printer as it is).
void useQueuePaper(QPrinter& printer, const QPrinterInfo& info) { printer.setPageSize(info.defaultPageSize()); }

class SystemPrinter final : public Printer {
public:
    QPageLayout paper() override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return Printer::paper();
        QPrinter printer(info, QPrinter::HighResolution);
        useQueuePaper(printer, info);
        const QPageLayout layout = printer.pageLayout();
        return QPageLayout(layout.pageSize(), QPageLayout::Portrait, layout.minimumMargins(), layout.units());
    }

    bool print(Printout& printout, QString* error, QPageLayout::Orientation orientation) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) {
            setError(error, QStringLiteral("Aucune imprimante n'est disponible sur cet ordinateur.\r\n") + kNothingPrinted);
            return false;
        }
        QPrinter printer(info, QPrinter::HighResolution);
        const QString failed = QStringLiteral("L'impression sur l'imprimante « %1 » a échoué.\r\n").arg(info.printerName())
            + kNothingPrinted;
        if (!printer.isValid()) {
            setError(error, failed);
            return false;
        }
        useQueuePaper(printer, info);
        // Qt checks a layout's margins against the printer's border as if the
        // sheet were never turned: keep the printer's own margins, paint full
        // page and keep within our frame ourselves.
        printer.setPageOrientation(orientation);
        printer.setFullPage(true);
        if (!printOnDevice(printout, printer, pageLayout(orientation).paintRect(QPageLayout::Point), error))
            return false;
        if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
            setError(error, failed);
            return false;
        }
        return true;
    }
};

} // namespace

QPageLayout Printer::paper()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
}

QPageLayout Printer::pageLayout(QPageLayout::Orientation orientation)
{
    const QPageLayout sheet = paper();
    const QMarginsF out = sheet.margins(QPageLayout::Millimeter);
    // A landscape page lies on the sheet turned a quarter anticlockwise: the
    // page's top is the sheet's left edge, its left the sheet's bottom.
    const QMarginsF margins = orientation == QPageLayout::Portrait
        ? atLeast(out, 20)
        : atLeast(QMarginsF(out.bottom(), out.left(), out.top(), out.right()), 5);
    return QPageLayout(sheet.pageSize(), orientation, margins, QPageLayout::Millimeter);
}

bool Printer::printDocument(const QTextDocument& document, QString* error, QPageLayout::Orientation orientation)
{
    DocumentPrintout printout(document);
    return print(printout, error, orientation);
}

bool printOnDevice(Printout& printout, QPagedPaintDevice& device, const QRectF& zone, QString* error)
{
    const QString failed = QStringLiteral("L'impression a échoué.\r\n") + kNothingPrinted;
    QPainter painter;
    if (!painter.begin(&device)) {
        setError(error, failed);
        return false;
    }
    const double scale = device.logicalDpiY() / 72.0;
    const QRectF area(zone.topLeft() * scale, zone.size() * scale);
    const int pages = printout.layOut(device, area.size());
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            setError(error, failed);
            return false;
        }
        painter.save();
        painter.translate(area.topLeft());
        printout.paintPage(painter, i);
        painter.restore();
    }
    if (!painter.end()) {
        setError(error, failed);
        return false;
    }
    return true;
}

bool PdfPrinter::print(Printout& printout, QString* error, QPageLayout::Orientation orientation)
{
    QPdfWriter writer(path_);
    writer.setResolution(600);
    const QPageLayout layout = pageLayout(orientation);
    QPageLayout fullPage = layout;
    fullPage.setMode(QPageLayout::FullPageMode);
    writer.setPageLayout(fullPage);
    if (!printOnDevice(printout, writer, layout.paintRect(QPageLayout::Point), error)) {
        setError(error, QStringLiteral("Le fichier « %1 » ne peut pas être écrit.\r\n").arg(path_) + kNothingPrinted);
        return false;
    }
    return true;
}

Printer& Printer::real()
{
    static SystemPrinter printer;
    return printer;
}

bool PrintRichText(const QTextEdit& box, QString* error)
{
    Printer& printer = Seam<Printer>::current();
    const QTextCursor cursor = box.textCursor();
    if (!cursor.hasSelection())
        return printer.printDocument(*box.document(), error);
    QTextDocument selection;
    selection.setDefaultFont(box.document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    return printer.printDocument(selection, error);
}

} // namespace platform
