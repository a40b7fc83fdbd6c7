#include "output/Printing.h"

#include "app/LocaleTexts.h"
#include "output/PrintLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace dk {
namespace {

class PrinterMeasurer : public PrintMeasurer {
public:
    explicit PrinterMeasurer(const QFontMetrics& metrics) : metrics_(metrics) {}
    int TextWidth(std::string_view text) override {
        return metrics_.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    int TextHeight(std::string_view) override { return metrics_.height(); }

private:
    QFontMetrics metrics_;
};

} // namespace

PrintOutcome PrintLines(const std::vector<std::string>& lines, const QString& documentName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    const QString pdf = qEnvironmentVariable("DORVIK_PRINT_TO");
    if (!pdf.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    } else {
        const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
        if (printerInfo.isNull())
            return PrintOutcome::NoPrinter;
        printer.setPrinterName(printerInfo.printerName());
    }

    QPainter painter;
    if (!painter.begin(&printer))
        return PrintOutcome::CannotStart;
    // Only the face is chosen; the size is the 8 points lists have always been
    // printed in. The font system substitutes a serif face of the same metrics
    // where Times New Roman is not installed.
    QFont font("Times New Roman", 8);
    font.setStyleHint(QFont::Serif);
    painter.setFont(font);
    const QFontMetrics metrics(painter.font(), &printer);
    PrinterMeasurer measurer(metrics);
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const std::vector<PrintPage> pages = LayoutPrintPages(lines, {page.width(), page.height()}, measurer);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            printer.newPage();
        for (const PrintDraw& draw : pages[i])
            // Positions are the tops of the lines; Qt draws text on its baseline.
            painter.drawText(draw.X, draw.Y + metrics.ascent(), QString::fromStdString(draw.Text));
    }
    painter.end();
    return PrintOutcome::Printed;
}

QString PrintFailureText(PrintOutcome outcome) {
    const bool english = IsLanguage(currentLanguage, "ENG");
    switch (outcome) {
    case PrintOutcome::Printed:
        return {};
    case PrintOutcome::NoPrinter:
        return english ? "No printer is available" : "Принтер не найден";
    case PrintOutcome::CannotStart:
        return english ? "The printer cannot start the document"
                       : "Не удалось начать печать документа";
    }
    return {};
}

} // namespace dk
