#include <gtest/gtest.h>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>
#include <string>

#include "catalogue/table.h"
#include "checks/frame.h"
#include "checks/windows.h"
#include "gui_testing.h"
#include "shell/escolhe_aco.h"
#include "shell/member_windows.h"
#include "shell/window_driver.h"

namespace quintaro::testing {
namespace {

using drawings::SectionKind;

// "Mais Leve" pressed on the windows over the test tables, with the first
// steel (fy = 25, fu = 40 kN/cm²): a tension resistance is
// min(0,9·Ag·25; 0,75·Ag·40) = 22,5·Ag kN. Rolled I rows:
//
//   by D:     W 150 x 13,0 (Ag 16,6; 30 kgf/m)  W 200 x 15,0 (19,4; 15)  W 250 x 17,9 (23,1; 17,9)
//   by PESO:  W 200 x 15,0 -> 436,5 kN   W 250 x 17,9 -> 519,75 kN   W 150 x 13,0 -> 373,5 kN
class MaisLeve : public ::testing::Test {
  protected:
    CapturedDialogs dialogs;
    CatalogueFolder folder;
    shell::TEscolhe_Aco steel{folder.location()};
    shell::WindowContext context{folder.location(), &steel};

    // A window as start-up makes it, with its "Mais Leve" connected.
    std::unique_ptr<shell::MemberWindow> make(SectionKind kind) {
        auto w = std::make_unique<shell::MemberWindow>(shell::member_descriptor(kind), context);
        shell::connect_search(*w);
        return w;
    }
    static void set(QWidget* w, const char* box, const char* text) {
        child<QLineEdit>(w, box)->setText(QString::fromUtf8(text));
    }
    static QString text(QWidget* w, const char* box) { return child<QLineEdit>(w, box)->text(); }
    static void press(QWidget* w, const char* button) { child<QPushButton>(w, button)->click(); }
};

TEST_F(MaisLeve, RolledTensionEndsOnTheLightestCoveringSection) {
    const struct {
        const char* Nd;
        const char* found;
        const char* result;
        const char* verdict;
    } cases[] = {
        {"400", "W 200 x 15,0", "436,50", "Ok!"},      // the lightest already passes
        {"500", "W 250 x 17,9", "519,75", "Ok!"},      // the second by weight
        {"600", "W 150 x 13,0", "373,50", "Não Ok!"},  // none: the heaviest stays
    };
    for (const auto& c : cases) {
        auto w = make(SectionKind::RolledI);
        set(w.get(), "R_Nd", c.Nd);
        press(w.get(), "BitBtn3");
        EXPECT_EQ(text(w.get(), "R_Perfil"), QString::fromUtf8(c.found)) << c.Nd;
        EXPECT_EQ(text(w.get(), "R_RdNd"), c.result) << c.Nd;
        EXPECT_EQ(text(w.get(), "resposta1"), QString::fromUtf8(c.verdict)) << c.Nd;
        EXPECT_EQ(w->shown_table()->order_name(), "PESO") << c.Nd;
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// After a search the navigator steps by weight; activating the window again
// brings back the order by D and keeps the section found.
TEST_F(MaisLeve, ActivationRestoresTheDefaultOrderOnTheSectionFound) {
    auto w = make(SectionKind::RolledI);
    set(w.get(), "R_Nd", "500");
    press(w.get(), "BitBtn3");
    catalogue::Table& t = *w->shown_table();
    EXPECT_EQ(t.order_name(), "PESO");
    EXPECT_EQ(t.row_number(), 1);  // second by weight
    w->FormActivate();
    EXPECT_EQ(t.order_name(), "D");
    EXPECT_EQ(t.row_number(), 2);  // the deepest of the three
    EXPECT_EQ(text(w.get(), "R_Perfil"), "W 250 x 17,9");
}

// A zero length refuses the lightest section: its message once, that section
// current. The rolled H window under tension stops on the flag as well.
TEST_F(MaisLeve, InvalidLengthStopsOnTheLightestSectionWithOneMessage) {
    const struct {
        SectionKind kind;
        const char* Nd;
        const char* Mdx;
        std::string_view message;
    } cases[] = {
        {SectionKind::RolledI, "-100", "0", checks::kCompressionLengthMessage},
        {SectionKind::RolledH, "100", "50", checks::kBendingLengthMessage},
        {SectionKind::RolledH, "-100", "0", checks::kCompressionLengthMessage},
    };
    for (const auto& c : cases) {
        dialogs.messages.clear();
        auto w = make(c.kind);
        set(w.get(), "R_Nd", c.Nd);
        set(w.get(), "R_Mdx", c.Mdx);
        press(w.get(), "BitBtn3");
        EXPECT_EQ(text(w.get(), "R_Perfil"), "W 200 x 15,0") << c.Nd;
        EXPECT_EQ(dialogs.messages,
                  QStringList{QString::fromUtf8(c.message.data(), qsizetype(c.message.size()))})
            << c.Nd;
        EXPECT_EQ(w->state().invalid_length, 1);
    }
}

// CVS 300 x 47: h = 281, Ag = (281·8 + 2·200·9,5)/100 = 60,48 cm², 1360,8 kN.
// CVS 350 x 73: h = 325, Ag = (325·9,5 + 2·250·12,5)/100 = 93,375 cm²,
// 0,9·93,375·25 = 2100,94 kN. Nd = 2000 is covered by the second only.
TEST_F(MaisLeve, WeldedCvsIsLeftOrderedByDepthOnTheSectionFound) {
    auto w = make(SectionKind::WeldedI);
    child<QComboBox>(w.get(), "Serie")->setCurrentText("CVS");
    set(w.get(), "R_Nd", "2000");
    press(w.get(), "BitBtn3");
    EXPECT_EQ(text(w.get(), "R_Perfil"), "CVS 350 x 73");
    EXPECT_EQ(text(w.get(), "R_RdNd"), "2100,94");
    EXPECT_EQ(w->table(1)->order_name(), "D");
    EXPECT_EQ(w->table(0)->order_name(), "D");  // the CS table untouched
    // Activation restores only the CS table; the CVS one keeps its order by D.
    w->FormActivate();
    EXPECT_EQ(w->table(1)->order_name(), "D");
    EXPECT_EQ(text(w.get(), "R_Perfil"), "CVS 350 x 73");
}

TEST_F(MaisLeve, NonNumericActionStopsBeforeTheTableIsTouched) {
    auto w = make(SectionKind::RolledI);
    set(w.get(), "R_Vd", "abc");
    press(w.get(), "BitBtn3");
    EXPECT_EQ(dialogs.messages, QStringList{"'abc' is not a valid floating point value"});
    EXPECT_EQ(w->shown_table()->order_name(), "D");
    EXPECT_EQ(text(w.get(), "R_Perfil"), "W 150 x 13,0");
}

TEST_F(MaisLeve, UnknownSeriesTextDoesNothingButClearTheFlag) {
    auto w = make(SectionKind::WeldedI);
    w->state().invalid_length = 1;
    child<QComboBox>(w.get(), "Serie")->setCurrentText("XS");
    set(w.get(), "R_Nd", "10");
    press(w.get(), "BitBtn3");
    EXPECT_EQ(w->state().invalid_length, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(w->table(0)->order_name(), "D");
    EXPECT_EQ(text(w.get(), "R_RdNd"), "0,00");
}

// A small tension is covered by the lightest row of every window: the search
// checks it once and leaves it current, with the table in weight order.
TEST_F(MaisLeve, EveryWindowSearchesItsOwnCatalogue) {
    const struct {
        SectionKind kind;
        const char* force_box;
        const char* verdict;
        const char* lightest;
    } cases[] = {
        {SectionKind::RolledI, "R_Nd", "resposta1", "W 200 x 15,0"},
        {SectionKind::RolledH, "R_Nd", "resposta1", "W 200 x 15,0"},
        {SectionKind::Channel, "R_Nd", "resposta1", "U 152 x 12,2"},
        {SectionKind::WeldedI, "R_Nd", "resposta1", "CS 250 x 52"},
        {SectionKind::Angle, "R_Nd", "resposta1", "L 76 x 6,35"},
        {SectionKind::AnglePairT, "R_Ntd", "Resposta2", "L 76 x 6,35"},
        {SectionKind::AnglePairU, "R_Nd", "resposta1", "L 76 x 6,35"},
        {SectionKind::AnglePairX, "R_Nd", "resposta1", "L 76 x 6,35"},
        {SectionKind::UnequalAngle, "R_Nd", "resposta1", "L 102 x 76 x 6,35"},
        {SectionKind::UnequalPairTLongUp, "R_Nd", "resposta1", "L 102 x 76 x 6,35"},
        {SectionKind::UnequalPairTShortUp, "R_Nd", "resposta1", "L 102 x 76 x 6,35"},
        {SectionKind::UnequalPairULongUp, "R_Nd", "resposta1", "L 102 x 76 x 6,35"},
        {SectionKind::UnequalPairUShortUp, "R_Nd", "resposta1", "L 102 x 76 x 6,35"},
    };
    for (const auto& c : cases) {
        auto w = make(c.kind);
        SCOPED_TRACE(w->objectName().toStdString());
        // Start away from the lightest row where the table has more than one.
        w->shown_table()->last();
        set(w.get(), c.force_box, "1");
        press(w.get(), "BitBtn3");
        EXPECT_EQ(text(w.get(), "R_Perfil"), QString::fromUtf8(c.lightest));
        EXPECT_EQ(text(w.get(), c.verdict), "Ok!");
        EXPECT_EQ(w->shown_table()->order_name(), "PESO");
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// Pair of L 76 x 6,35: Ag = 2·9,29 = 18,58 cm², tension 22,5·18,58 = 418,05 kN.
TEST_F(MaisLeve, TeeOfTwoAnglesWithTwoForces) {
    {
        // No force: weight order, the lightest row, nothing computed.
        auto w = make(SectionKind::AnglePairT);
        w->shown_table()->last();
        press(w.get(), "BitBtn3");
        EXPECT_EQ(text(w.get(), "R_Perfil"), "L 76 x 6,35");
        EXPECT_EQ(text(w.get(), "R_RdNd"), "0,00");
        EXPECT_EQ(text(w.get(), "R_RdNt"), "0,00");
        EXPECT_EQ(w->shown_table()->order_name(), "PESO");
    }
    {
        // Only Ntd: the compression term never holds the search back.
        auto w = make(SectionKind::AnglePairT);
        set(w.get(), "R_Ntd", "300");
        press(w.get(), "BitBtn3");
        EXPECT_EQ(text(w.get(), "R_Perfil"), "L 76 x 6,35");
        EXPECT_EQ(text(w.get(), "R_RdNt"), "418,05");
        EXPECT_EQ(text(w.get(), "Resposta2"), "Ok!");
    }
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

}  // namespace
}  // namespace quintaro::testing
