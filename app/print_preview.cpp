#include "app/print_preview.h"

#include "core/strings.h"
#include "platform/system_printer_device.h"

#include <QAction>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace veltrano {

namespace {

constexpr int kPreviewCaption = 29870;

// The preview's tool bar takes no keyboard focus, so without a shortcut its
// Print button is out of reach of the keyboard: it gets the desktop's Print
// keys (Ctrl+P), as the main window's print command has. The action is found
// by the text Qt gives it, in the language Qt speaks.
void givePrintShortcut(QPrintPreviewDialog& dialog) {
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() == print) {
            action->setShortcuts(QKeySequence::Print);
            return;
        }
    }
}

} // namespace

std::unique_ptr<QPrintPreviewDialog> makePrintPreview(QPrinter& printer, bool landscape,
                                                      PagePrinter print, QWidget* parent) {
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    dialog->setWindowTitle(QString::fromStdString(loadString(kPreviewCaption)));
    givePrintShortcut(*dialog);
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [print = std::move(print)](QPrinter* target) {
                         SystemPrinterDevice device(*target);
                         print(device);
                     });
    return dialog;
}

void showPrintPreview(QWidget* parent, bool landscape, const PagePrinter& print) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(false);
    makePrintPreview(printer, landscape, print, parent)->exec();
}

} // namespace veltrano
