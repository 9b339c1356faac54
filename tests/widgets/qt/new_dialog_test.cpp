#include "widgets/qt/new_dialog.h"

#include "tests/widgets/qt/dialog_test_support.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/markup_controls.h"
#include "widgets/qt/owner_buttons.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>

#include <array>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace veltrano {
namespace {

using namespace TemplateStyle;
using dialog_test::pressKey;
using dialog_test::ScopedTranslation;

[[maybe_unused]] ::testing::Environment* const widgetEnvironment =
    ::testing::AddGlobalTestEnvironment(new dialog_test::WidgetEnvironment);

constexpr std::array<DialogControl, 11> kControls = {{
    {1000, "STATIC", "", Visible | StaticBlackFrame, {4, 4, 150, 60}},
    {2000, "BUTTON", "<html><strong>Fett</strong>", Visible, {8, 8, 140, 20}},
    {2001, "BUTTON", "Kurz", Visible | AutoCheckBox, {8, 30, 30, 8}},
    {2002, "STATIC", "Kurz", Visible | StaticLeft, {60, 30, 30, 8}},
    {2003, "COMBOBOX", "Kurz", Visible | ComboDropDownList, {100, 30, 30, 8}},
    {2004, "STATIC", "Kurz", Visible | StaticLeft, {8, 40, 30, 20}},
    {2005, "STATIC", "", Visible | StaticLeft, {60, 40, 30, 8}},
    {1, "BUTTON", "OK", Visible | TabStop | DefPushButton, {40, 70, 50, 14}},
    {2, "BUTTON", "Abbrechen", Visible | TabStop, {100, 70, 50, 14}},
    {-1, "STATIC", "Rand:", Visible | StaticLeft, {8, 52, 30, 8}},
    {-1, "STATIC", "Kurz", Visible | StaticLeft, {40, 52, 30, 8}},
}};
constexpr DialogTemplate kTemplate{9001, "Kurz", 160, 90, "MS Shell Dlg", 8, kControls};

constexpr const char* kEnglish = "item=Kurz#Kort#Short but now much longer#Court#Corto\n"
                                 "item=OK#OK#Okay then#OK#OK\n"
                                 "item=Rand:#Rand:#Margin:#Marge :#Margen:\n";

TEST(CNewDialog, ChildrenCarryTheirTemplateRowsInPixels) {
    CNewDialog dialog(kTemplate);
    const DialogBaseUnits base = dialog.baseUnits();
    EXPECT_EQ(dialog.width(), dialogUnitsToPixelsX(160, base));
    EXPECT_EQ(dialog.height(), dialogUnitsToPixelsY(90, base));
    for (const DialogControl& row : kControls) {
        if (row.id == -1) {
            continue;
        }
        SCOPED_TRACE(row.id);
        QWidget* child = findControl(&dialog, row.id);
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(child->property(kWindowClassProperty).toString(), QString(row.windowClass));
        EXPECT_EQ(child->property(kStyleProperty).toUInt(), row.style);
        const Rect r =
            dialogRectToPixels(row.rect.x, row.rect.y, row.rect.width, row.rect.height, base);
        EXPECT_EQ(child->geometry(), QRect(r.left, r.top, r.width(), r.height()));
    }
    EXPECT_EQ(dialog.defaultControl(), 1);
}

TEST(CNewDialog, OpeningTakesThePanelAndPutsReplacementsOnTheSameNumbers) {
    CNewDialog dialog(kTemplate);
    const QRect panel = findControl(&dialog, kContentPlaceholder)->geometry();
    const QRect html = findControl(&dialog, 2000)->geometry();
    EXPECT_FALSE(dialog.isInitialised());
    dialog.show();
    EXPECT_TRUE(dialog.isInitialised());

    ASSERT_TRUE(dialog.contentRect().has_value());
    EXPECT_EQ(*dialog.contentRect(),
              (Rect{panel.left(), panel.top(), panel.right() + 1, panel.bottom() + 1}));
    EXPECT_TRUE(findControl(&dialog, kContentPlaceholder)->isHidden());

    auto* text = qobject_cast<CNewHtmlWidget*>(findControl(&dialog, 2000));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), "<strong>Fett</strong>");
    EXPECT_EQ(text->geometry(), html);
    EXPECT_NE(qobject_cast<CNewCheckBox*>(findControl(&dialog, 2001)), nullptr);
    EXPECT_NE(qobject_cast<CNewButtonCtrl2*>(findControl(&dialog, 1)), nullptr);
    EXPECT_NE(qobject_cast<CNewButtonCtrl2*>(findControl(&dialog, 2)), nullptr);
    EXPECT_EQ(findControl(&dialog, 1)->property("text").toString(), "OK");
    dialog.hide();
}

TEST(CNewDialog, EnterPressesTheDefaultButtonAndEscapeCancels) {
    struct Case {
        int key;
        int result;
    };
    for (const Case c : {Case{Qt::Key_Return, kDialogOk}, Case{Qt::Key_Enter, kDialogOk},
                         Case{Qt::Key_Escape, kDialogCancel}}) {
        CNewDialog dialog(kTemplate);
        dialog.show();
        pressKey(&dialog, c.key);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), c.result);
    }
    CNewDialog clicked(kTemplate);
    clicked.show();
    qobject_cast<QAbstractButton*>(findControl(&clicked, 2))->click();
    EXPECT_EQ(clicked.result(), kDialogCancel);
}

TEST(CNewDialog, TranslationRenamesAndWidensOnlyWhereTheRuleAllows) {
    ScopedTranslation english(kEnglish);
    ASSERT_TRUE(english.loaded());

    CNewDialog dialog(kTemplate);
    std::array<int, 6> before{};
    const std::array<int, 6> ids = {2001, 2002, 2003, 2004, 2005, 1};
    for (std::size_t i = 0; i < ids.size(); ++i) {
        before[i] = findControl(&dialog, ids[i])->width();
    }
    ASSERT_LT(findControl(&dialog, 2002)->height(), kWideningHeightLimit);
    ASSERT_GE(findControl(&dialog, 2004)->height(), kWideningHeightLimit);
    dialog.initialise();

    EXPECT_EQ(dialog.windowTitle(), "Short but now much longer");
    const QFontMetrics metrics(dialog.font());
    const int label =
        metrics.horizontalAdvance("Short but now much longer") + metrics.horizontalAdvance("0");
    EXPECT_EQ(findControl(&dialog, 2002)->width(), std::max(before[1], label));
    EXPECT_EQ(findControl(&dialog, 2001)->width(), std::max(before[0], label + 15));
    EXPECT_EQ(findControl(&dialog, 2003)->width(), before[2]); // combo box
    EXPECT_EQ(findControl(&dialog, 2004)->width(), before[3]); // 25 pixels or higher
    EXPECT_EQ(findControl(&dialog, 2005)->width(), before[4]); // empty template caption
    EXPECT_GT(findControl(&dialog, 2002)->width(), before[1]);
    EXPECT_EQ(findControl(&dialog, 1)->property("text").toString(), "Okay then");
    // Texts without a number of their own are translated one by one.
    QStringList unnumbered;
    for (QWidget* child : dialog.findChildren<QWidget*>()) {
        if (controlId(child) == -1) {
            unnumbered << child->property("text").toString();
        }
    }
    unnumbered.sort();
    EXPECT_EQ(unnumbered, (QStringList{"Margin:", "Short but now much longer"}));

    CNewDialog keeping(kTemplate);
    keeping.dialogFlag = true;
    keeping.initialise();
    EXPECT_EQ(findControl(&keeping, 2002)->width(), before[1]);
    EXPECT_EQ(keeping.controlText(2002), "Short but now much longer");
}

TEST(CNewDialog, UnknownTemplateGivesAnEmptyDialog) {
    CNewDialog dialog(-5);
    EXPECT_EQ(dialog.size(), QSize(100, 50));
    EXPECT_EQ(dialog.initialise(), 1);
    EXPECT_TRUE(dialog.findChildren<QWidget*>().isEmpty());
}

TEST(DialogTemplates, EveryTemplateIsFoundByItsNumberAndHasUniqueControls) {
    for (const DialogTemplate* t : dialogTemplates()) {
        SCOPED_TRACE(t->number);
        EXPECT_EQ(findDialogTemplate(t->number), t);
        for (const DialogControl& row : t->controls) {
            if (row.id > 0) {
                EXPECT_EQ(t->findControl(row.id), &row);
            }
        }
    }
    EXPECT_EQ(findDialogTemplate(0), nullptr);
}

// A dialog file that is not listed would leave its dialog empty at run time.
TEST(DialogTemplates, EveryDialogFileIsListed) {
    const std::filesystem::path folder =
        std::filesystem::path(VELTRANO_SOURCE_DIR) / "resources" / "dialogs";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        int number = 0;
        if (std::sscanf(name.c_str(), "dialog_%d.cpp", &number) == 1) {
            SCOPED_TRACE(name);
            ++files;
            const DialogTemplate* found = findDialogTemplate(number);
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->number, number);
        }
    }
    EXPECT_EQ(files, static_cast<int>(dialogTemplates().size()));
}

} // namespace
} // namespace veltrano
