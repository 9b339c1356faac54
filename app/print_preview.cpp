#include "app/print_preview.h"

#include "core/strings.h"
#include "platform/system_printer_device.h"

#include <QAction>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QShortcut>
#include <QToolButton>

namespace veltrano {

namespace {

constexpr int kPreviewCaption = 29870;

// The preview's tool bar takes no keyboard focus, so without shortcuts its
// buttons are out of reach of the keyboard: Print gets the desktop's Print
// keys (Ctrl+P), as the main window's print command has, zooming the desktop's
// zoom keys (Ctrl++ and Ctrl+-) and paging Page Down and Page Up. A key clicks
// the button, as the zoom buttons act on their clicks only, not on their
// actions. The buttons are found by the texts Qt gives them, in the language
// Qt speaks.
void giveToolShortcuts(QPrintPreviewDialog& dialog) {
    const struct {
        const char* text;
        QList<QKeySequence> keys;
    } tools[] = {
        {"Print", QKeySequence::keyBindings(QKeySequence::Print)},
        {"Zoom in", QKeySequence::keyBindings(QKeySequence::ZoomIn)},
        {"Zoom out", QKeySequence::keyBindings(QKeySequence::ZoomOut)},
        {"Next page", {QKeySequence(Qt::Key_PageDown)}},
        {"Previous page", {QKeySequence(Qt::Key_PageUp)}},
    };
    const QList<QToolButton*> buttons = dialog.findChildren<QToolButton*>();
    for (const auto& tool : tools) {
        const QString text = QCoreApplication::translate("QPrintPreviewDialog", tool.text);
        for (QToolButton* button : buttons) {
            if (button->defaultAction() == nullptr || button->defaultAction()->text() != text)
                continue;
            for (const QKeySequence& keys : tool.keys) {
                auto* shortcut = new QShortcut(keys, &dialog);
                QObject::connect(shortcut, &QShortcut::activated, button, &QToolButton::click);
            }
            break;
        }
    }
}

} // namespace

std::unique_ptr<QPrintPreviewDialog> makePrintPreview(QPrinter& printer, bool landscape,
                                                      PagePrinter print, QWidget* parent) {
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    dialog->setWindowTitle(QString::fromStdString(loadString(kPreviewCaption)));
    giveToolShortcuts(*dialog);
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
