// Draws one of every control of the widget set offscreen. Each must paint
// something other than a flat colour; with VELTRANO_SHOT_DIR set the
// pictures are also written there, one PNG per control and a sheet of all.

#include "widgets/engine/palette.h"
#include "widgets/qt/bitmap_combo.h"
#include "widgets/qt/list_controls.h"
#include "widgets/qt/markup_controls.h"
#include "widgets/qt/owner_buttons.h"
#include "widgets/qt/owner_labels.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace veltrano {
namespace {

bool hasSeveralColours(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != first) {
                return true;
            }
        }
    }
    return false;
}

using Maker = std::function<QWidget*(QWidget*)>;

std::vector<std::pair<const char*, Maker>> gallery() {
    const Colour background = paletteColour(kPaletteDialogBackground);
    return {
        {"button",
         [](QWidget* p) {
             auto* b = new CNewButtonCtrl2(p);
             b->setText("<b>Drucken");
             b->setImage(5);
             b->resize(90, 23);
             return b;
         }},
        {"button_disabled",
         [](QWidget* p) {
             auto* b = new CNewButtonCtrl2(p);
             b->setText("Abbrechen");
             b->setEnabled(false);
             b->resize(90, 23);
             return b;
         }},
        {"link_button",
         [](QWidget* p) {
             auto* b = new CLinkButtonCtrl(p);
             b->setText("Mehr dazu");
             b->resize(90, 20);
             return b;
         }},
        {"check_box",
         [=](QWidget* p) {
             auto* b = new CNewCheckBox(p);
             b->setText("Feiertage zeigen");
             b->setBackgroundColour(background);
             b->setState(1);
             b->resize(140, 16);
             return b;
         }},
        {"check_box_third",
         [=](QWidget* p) {
             auto* b = new CNewCheckBox(p);
             b->setThreeState(true);
             b->setText("Teilweise");
             b->setBackgroundColour(background);
             b->setState(2);
             b->resize(140, 16);
             return b;
         }},
        {"label",
         [=](QWidget* p) {
             auto* l = new CNewTextCtrl(p);
             LabelLook look;
             look.background = background;
             l->setLook(look);
             l->setText("<b>Name des Kalenders:");
             l->resize(160, 16);
             return l;
         }},
        {"heading_bar",
         [](QWidget* p) {
             auto* l = new CNewTextCtrl(p);
             LabelLook look;
             look.background = paletteColour(39);
             look.text = paletteColour(40);
             look.roundedTop = true;
             l->setLook(look);
             l->setText("<b><c>Seiten");
             l->resize(200, 20);
             return l;
         }},
        {"headline",
         [=](QWidget* p) {
             auto* h = new CNewHeadlineCtrl(p);
             h->setFirstLevel(true);
             h->setColours(background, paletteColour(5));
             h->setText("Monatsseiten");
             h->resize(200, 26);
             return h;
         }},
        {"line",
         [=](QWidget* p) {
             auto* l = new CLineCtrl(p);
             l->setColours(background, false);
             l->resize(200, 6);
             return l;
         }},
        {"text_panel",
         [](QWidget* p) {
             auto* t = new CTextWnd(p);
             PanelLookColours look;
             look.background = rgb(192, 220, 255);
             t->setLook(look);
             t->setFlatBorder(true);
             t->setText("Ein Tag gewählt");
             t->resize(200, 20);
             return t;
         }},
        {"head_panel",
         [](QWidget* p) {
             auto* t = new CTextWnd(p);
             PanelLookColours look;
             look.background = paletteColour(50);
             look.text = paletteColour(59);
             look.bold = true;
             t->setLook(look);
             t->setText("Geburtstage");
             t->resize(200, 20);
             return t;
         }},
        {"group",
         [](QWidget* p) {
             auto* g = new CNewGroupList(p);
             g->setText("Format");
             g->resize(200, 60);
             return g;
         }},
        {"combo",
         [](QWidget* p) {
             auto* c = new CBitmapCombo(p);
             c->setImages(24582, 16);
             c->addImageItem("<b>Rot", 1, 1);
             c->addImageItem("<tab>Blau", 2, 2);
             c->resize(140, 22);
             return c;
         }},
        {"report_list",
         [](QWidget* p) {
             auto* l = new CNewListCtrl3(p);
             l->setColumns({"Tag", "Eintrag"}, {0, 60});
             l->addRow("1.1.\tNeujahr", 3);
             l->addRow("<red>6.1.\tDreikönig");
             l->addRow("<line>14.2.\tValentin");
             l->setCurrentRow(1);
             l->resize(220, 80);
             return l;
         }},
        {"tabs",
         [=](QWidget* p) {
             auto* t = new CMyTabCtrl(p);
             t->setColours(background, paletteColour(5));
             t->addTab("Bilder");
             t->addTab("Texte");
             t->resize(200, 24);
             return t;
         }},
        {"button_bar",
         [](QWidget* p) {
             auto* b = new CButtonBar(p);
             b->setDefinition("Neu|Öffnen|Drucken");
             b->resize(240, 28);
             return b;
         }},
        {"rich_text",
         [](QWidget* p) {
             auto* h = new CNewHtmlWidget(p);
             h->setText("<b>Willkommen</b><br>Dies ist ein Text mit einem Link: "
                        "www.example.org<br><br>Und noch eine Zeile.");
             h->resize(220, 70);
             return h;
         }},
        {"label_markup",
         [=](QWidget* p) {
             auto* h = new CHtmlTextWidget(p);
             h->engine().setBackground(background);
             h->engine().setGradient(true);
             h->setText("<big>Hinweis</big><br>Mehr unter <link>Hilfe</link>");
             h->resize(220, 40);
             return h;
         }},
    };
}

TEST(ControlGallery, EveryControlPaintsInThePalette) {
    applyStartupPalette();
    setSharedResource(kSharedListImages, 24582);
    const QString folder = qEnvironmentVariable("VELTRANO_SHOT_DIR");
    QWidget host;
    host.resize(260, 120);
    std::vector<QImage> shots;
    for (const auto& [name, make] : gallery()) {
        SCOPED_TRACE(name);
        QWidget* control = make(&host);
        const QImage shot = control->grab().toImage();
        EXPECT_TRUE(hasSeveralColours(shot));
        if (!folder.isEmpty()) {
            shot.save(QDir(folder).filePath(QStringLiteral("%1.png").arg(QLatin1String(name))));
        }
        shots.push_back(shot);
        delete control;
    }
    if (!folder.isEmpty()) {
        int height = 8;
        for (const QImage& shot : shots) {
            height += shot.height() + 8;
        }
        QImage sheet(260, height, QImage::Format_RGB32);
        sheet.fill(QColor(211, 217, 230));
        QPainter painter(&sheet);
        int y = 8;
        for (const QImage& shot : shots) {
            painter.drawImage(8, y, shot);
            y += shot.height() + 8;
        }
        painter.end();
        sheet.save(QDir(folder).filePath(QStringLiteral("sheet.png")));
    }
    resetPalette();
}

} // namespace
} // namespace veltrano
