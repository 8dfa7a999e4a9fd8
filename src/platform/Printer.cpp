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

// A printer's own layout turned to the orientation, with the margins that go with it.
QPageLayout sheet(QPageLayout layout, QPageLayout::Orientation orientation)
{
    layout.setOrientation(orientation);
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMargins(orientation == QPageLayout::Portrait ? QMarginsF(20, 20, 20, 20) : layout.minimumMargins());
    return layout;
}

class SystemPrinter final : public Printer {
public:
    QPageLayout pageLayout(QPageLayout::Orientation orientation) override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return Printer::pageLayout(orientation);
        return sheet(QPrinter(info, QPrinter::HighResolution).pageLayout(), orientation);
    }

    bool print(const QTextDocument& document, QString* error, QPageLayout::Orientation orientation) override
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
        if (!printOnDevice(document, printer, sheet(printer.pageLayout(), orientation), error))
            return false;
        if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted) {
            setError(error, failed);
            return false;
        }
        return true;
    }
};

} // namespace

QPageLayout Printer::pageLayout(QPageLayout::Orientation orientation)
{
    // A file has no border out of reach: it gets the 5 mm of a common printer.
    return sheet(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(), QPageLayout::Millimeter,
                             QMarginsF(5, 5, 5, 5)),
                 orientation);
}

bool printOnDevice(const QTextDocument& document, QPagedPaintDevice& device, const QPageLayout& layout, QString* error)
{
    const QString failed = QStringLiteral("L'impression a échoué.\r\n") + kNothingPrinted;
    device.setPageLayout(layout);

    QPainter painter;
    if (!painter.begin(&device)) {
        setError(error, failed);
        return false;
    }
    // Laid out again at the device's resolution: point sizes stay point sizes.
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&device);
    const QSizeF page(device.width(), device.height());
    copy->setPageSize(page);
    const int pages = copy->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            setError(error, failed);
            return false;
        }
        painter.save();
        painter.translate(0, -i * page.height());
        copy->drawContents(&painter, QRectF(QPointF(0, i * page.height()), page));
        painter.restore();
    }
    if (!painter.end()) {
        setError(error, failed);
        return false;
    }
    return true;
}

bool PdfPrinter::print(const QTextDocument& document, QString* error, QPageLayout::Orientation orientation)
{
    QPdfWriter writer(path_);
    writer.setResolution(600);
    if (!printOnDevice(document, writer, pageLayout(orientation), error)) {
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
        return printer.print(*box.document(), error);
    QTextDocument selection;
    selection.setDefaultFont(box.document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    return printer.print(selection, error);
}

} // namespace platform
