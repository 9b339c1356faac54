// Draws one of every control of the widget set offscreen and checks that what a
// person would see changes with each state the control shows: its text, its check
// mark, its pressed, disabled or current look. A control that painted nothing, or
// the same picture whatever its state, fails. With VELTRANO_SHOT_DIR set the
// pictures are also written there, one PNG per control and a sheet of all.

#include "widgets/engine/palette.h"
#include "widgets/qt/bitmap_combo.h"
#include "widgets/qt/list_controls.h"
#include "widgets/qt/markup_controls.h"
#include "widgets/qt/owner_buttons.h"
#include "widgets/qt/owner_labels.h"

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTabBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace veltrano {
namespace {

// The smallest rectangle holding every pixel in which a and b differ; empty when
// the pictures are the same.
QRect differences(const QImage& a, const QImage& b) {
    QRect found;
    if (a.size() != b.size()) {
        return a.rect();
    }
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
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

// One thing a control shows: after `change` the picture must differ from the
// control as made, and only where `where` allows (the whole control when unset).
struct ShownState {
    const char* what;
    std::function<void(QWidget*)> change;
    std::function<bool(const QRect& changed, const QSize& size)> where;
};

void clearText(QWidget* w) {
    ASSERT_TRUE(w->setProperty("text", QString()));
}

void pressMouse(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

// The box with the mark sits at the left of a check box, the text to its right.
bool inTheBox(const QRect& changed, const QSize&) {
    return changed.right() < 16;
}
bool rightOfTheBox(const QRect& changed, const QSize&) {
    return changed.left() >= 14;
}

std::map<std::string, std::vector<ShownState>> shownStates() {
    const ShownState text{"text", clearText, nullptr};
    return {
        {"button", {text, {"pressed look", pressMouse, nullptr}}},
        {"button_disabled", {{"disabled look", [](QWidget* w) { w->setEnabled(true); }, nullptr}}},
        {"link_button", {text}},
        {"check_box",
         {{"check mark taken away by a click",
           [](QWidget* w) {
               QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(6, 8));
               ASSERT_EQ(static_cast<CNewCheckBox*>(w)->state(), 0);
           },
           inTheBox},
          {"text", clearText, rightOfTheBox}}},
        {"check_box_third",
         {{"third state against the mark",
           [](QWidget* w) { static_cast<CNewCheckBox*>(w)->setState(1); }, inTheBox}}},
        {"label",
         {text,
          {"bold text",
           [](QWidget* w) { w->setProperty("text", QStringLiteral("Name des Kalenders:")); },
           nullptr}}},
        {"heading_bar", {text}},
        {"headline", {text}},
        {"line",
         {{"grey look",
           [](QWidget* w) {
               static_cast<CLineCtrl*>(w)->setColours(paletteColour(kPaletteDialogBackground),
                                                      true);
           },
           nullptr}}},
        {"text_panel", {text}},
        {"head_panel", {text}},
        {"group", {text}},
        {"combo",
         {{"current item", [](QWidget* w) { static_cast<CBitmapCombo*>(w)->setCurrentIndex(1); },
           nullptr}}},
        {"report_list",
         {{"current row", [](QWidget* w) { static_cast<CNewListCtrl3*>(w)->setCurrentRow(2); },
           nullptr}}},
        {"tabs",
         {{"current tab", [](QWidget* w) { static_cast<QTabBar*>(w)->setCurrentIndex(1); },
           nullptr}}},
        {"button_bar",
         {{"pressed look",
           [](QWidget* w) {
               auto* first = w->findChild<QAbstractButton*>();
               ASSERT_NE(first, nullptr);
               pressMouse(first);
           },
           nullptr},
          {"button texts",
           [](QWidget* w) { static_cast<CButtonBar*>(w)->setDefinition(QString()); }, nullptr}}},
        {"rich_text", {text}},
        {"label_markup", {text}},
    };
}

TEST(ControlGallery, EveryControlShowsItsTextMarkAndLookInEachState) {
    applyStartupPalette();
    setSharedResource(kSharedListImages, 24582);
    const QString folder = qEnvironmentVariable("VELTRANO_SHOT_DIR");
    const auto states = shownStates();
    QWidget host;
    host.resize(260, 120);
    std::vector<QImage> shots;
    for (const auto& [name, make] : gallery()) {
        SCOPED_TRACE(name);
        const auto found = states.find(name);
        ASSERT_NE(found, states.end()) << "no state checked for " << name;
        std::unique_ptr<QWidget> control(make(&host));
        control->show();
        const QImage shot = control->grab().toImage();
        for (const ShownState& state : found->second) {
            SCOPED_TRACE(state.what);
            std::unique_ptr<QWidget> changed(make(&host));
            changed->show();
            state.change(changed.get());
            const QRect where = differences(shot, changed->grab().toImage());
            EXPECT_FALSE(where.isEmpty()) << "looks the same";
            if (state.where && !where.isEmpty()) {
                EXPECT_TRUE(state.where(where, shot.size()))
                    << "changed at " << where.x() << "," << where.y() << " " << where.width() << "x"
                    << where.height();
            }
        }
        if (!folder.isEmpty()) {
            shot.save(QDir(folder).filePath(QStringLiteral("%1.png").arg(QLatin1String(name))));
        }
        shots.push_back(shot);
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
