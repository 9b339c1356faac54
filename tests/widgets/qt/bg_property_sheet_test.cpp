#include "widgets/qt/bg_property_sheet.h"

#include "tests/widgets/qt/dialog_test_support.h"
#include "widgets/qt/control_id.h"

#include <QAbstractButton>

#include <array>
#include <vector>

namespace veltrano {
namespace {

using namespace TemplateStyle;
using dialog_test::pressKey;

[[maybe_unused]] ::testing::Environment* const widgetEnvironment =
    ::testing::AddGlobalTestEnvironment(new dialog_test::WidgetEnvironment);

constexpr std::array<DialogControl, 1> kControls = {{
    {1003, "BUTTON", "Feiertage anzeigen", Visible | AutoCheckBox, {14, 26, 150, 10}},
}};
constexpr DialogTemplate kPage{9100, "", 200, 100, "MS Shell Dlg", 8, kControls};

// Records what the sheet asks of it.
class TestPage : public CBgPropertyPage {
  public:
    TestPage(QString title, std::vector<QString>& log)
        : CBgPropertyPage(kPage, std::move(title)), log_(log) {}
    bool refuseLeaving = false;

    void onSetActive() override { log_.push_back("active " + title()); }
    bool onKillActive() override {
        log_.push_back("leave " + title());
        return !refuseLeaving;
    }
    void onOk() override { log_.push_back("ok " + title()); }

  private:
    std::vector<QString>& log_;
};

struct Sheet {
    std::vector<QString> log;
    CBgPropertySheet sheet{"Monat bearbeiten"};
    std::array<TestPage*, 3> pages{};

    Sheet() {
        const char* titles[] = {"Kalender", "Jan", "Feb"};
        for (std::size_t i = 0; i < pages.size(); ++i) {
            pages[i] =
                static_cast<TestPage*>(sheet.addPage(std::make_unique<TestPage>(titles[i], log)));
        }
    }
};

TEST(CBgPropertySheet, OpensAtTheStartPageAndOpensOtherPagesWhenShown) {
    Sheet s;
    EXPECT_TRUE(s.sheet.setActivePage(2));
    EXPECT_FALSE(s.sheet.setActivePage(3));
    s.sheet.show();
    EXPECT_EQ(s.sheet.activeIndex(), 2);
    EXPECT_FALSE(s.pages[0]->isInitialised());
    EXPECT_TRUE(s.pages[2]->isInitialised());
    EXPECT_TRUE(s.pages[2]->isVisible());
    EXPECT_EQ(s.sheet.tabControl().tabTitle(1), "Jan");
    // Pages sit in the tab control's page area and do not overlap the tabs.
    EXPECT_EQ(s.pages[2]->pos(), s.sheet.tabControl().pageArea().topLeft());
    EXPECT_GE(s.pages[2]->y(), s.sheet.tabControl().tabHeight());

    EXPECT_TRUE(s.sheet.setActivePage(0));
    EXPECT_TRUE(s.pages[0]->isInitialised());
    EXPECT_FALSE(s.pages[2]->isVisible());
    EXPECT_EQ(s.log, (std::vector<QString>{"active Feb", "leave Feb", "active Kalender"}));
    s.sheet.hide();
}

TEST(CBgPropertySheet, PageThatRefusesKeepsTheSheetOnIt) {
    Sheet s;
    s.sheet.show();
    s.pages[0]->refuseLeaving = true;
    EXPECT_FALSE(s.sheet.setActivePage(1));
    EXPECT_EQ(s.sheet.activeIndex(), 0);
    pressKey(&s.sheet, Qt::Key_Return); // OK is refused as well
    EXPECT_TRUE(s.sheet.isVisible());
    s.pages[0]->refuseLeaving = false;
    s.sheet.hide();
}

TEST(CBgPropertySheet, OkStoresOnlyOpenedPagesAndCancelStoresNothing) {
    {
        Sheet s;
        s.sheet.show();
        s.sheet.setActivePage(1);
        s.log.clear();
        pressKey(s.pages[1], Qt::Key_Return); // from inside a page
        EXPECT_EQ(s.sheet.result(), kSheetOk);
        EXPECT_EQ(s.log, (std::vector<QString>{"leave Jan", "ok Kalender", "ok Jan"}));
    }
    {
        Sheet s;
        s.sheet.show();
        s.log.clear();
        pressKey(s.pages[0], Qt::Key_Escape);
        EXPECT_FALSE(s.sheet.isVisible());
        EXPECT_EQ(s.sheet.result(), kSheetCancel);
        EXPECT_TRUE(s.log.empty());
    }
    {
        Sheet s;
        s.sheet.show();
        s.log.clear();
        qobject_cast<QAbstractButton*>(findControl(&s.sheet, kSheetOk))->click();
        EXPECT_EQ(s.sheet.result(), kSheetOk);
        EXPECT_EQ(s.log, (std::vector<QString>{"leave Kalender", "ok Kalender"}));
    }
}

} // namespace
} // namespace veltrano
