// The additional-profiles dialog on the accessories the sample catalogue
// offers for a PVC frame, as a user ticks them.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTreeWidget>

#include "dialogs/Zusatzdlg.h"
#include "service/service_client.h"
#include "tests/support/form_fixture.h"
#include "tests/support/ui_driver.h"
#include "ui/list_helpers.h"

namespace {

using namespace ui_driver;

constexpr int kSeries = 8830;
constexpr int kStaticExtension = 27004; // reinforced in chamber 1: 31001 (default), 31003

class ZusatzDialogTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        Open(RecordOfSeries(kSeries));
        Ask();
    }
    // What the service offers for the form's frame, with `chosen` as the
    // accessories chosen so far (in every opening of one position).
    void Ask(const std::vector<velmar_zusatzartikel>& chosen = {}) {
        Materialdaten q = form->state.request;
        q.articleId = q.frameId;
        q.cutPositions.clear();
        q.accessoryPositions.assign(1, velmar_cutpos());
        for (auto* o : {&q.accessoryPositions[0].opening1, &q.accessoryPositions[0].opening2,
                        &q.accessoryPositions[0].opening3})
            o->zusatz = chosen;
        ASSERT_TRUE(serviceClient.getArtikelZusatz(q));
        ASSERT_EQ(q.cutPositions.size(), 1u);
        offered = q.cutPositions;
        selection = q.accessoryPositions;
    }
    velmar_zusatzartikel Offered(int article) const {
        for (const auto& z : offered[0].opening1.zusatz)
            if (z.getId() == article) return z;
        ADD_FAILURE() << "not offered: " << article;
        return {};
    }
    std::vector<velmar_cutpos> offered, selection;
};

QTreeWidgetItem* Node(QDialog* d, const char* text) {
    auto* tree = Find<QTreeWidget>(d, "TreeView1");
    const auto found =
        tree->findItems(QString::fromUtf8(text), Qt::MatchExactly | Qt::MatchRecursive);
    EXPECT_EQ(found.size(), 1) << text;
    if (found.isEmpty()) return nullptr;
    tree->scrollToItem(found.front());
    return found.front();
}

int State(QDialog* d, const char* text) {
    const QTreeWidgetItem* node = Node(d, text);
    return node != nullptr ? TZusatzForm::StateOf(node) : 0;
}

// A click on the node's check box, or on its text.
void Click(QDialog* d, const char* text, bool onStateImage = true) {
    QTreeWidgetItem* node = Node(d, text);
    ASSERT_NE(node, nullptr);
    auto* tree = Find<QTreeWidget>(d, "TreeView1");
    const QPoint at = onStateImage ? static_cast<TZusatzForm*>(d)->StateImageRect(node).center()
                                   : tree->visualItemRect(node).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
}

TEST_F(ZusatzDialogTest, TickingFollowsExclusionsAndChildren) {
    Ask({Offered(kStaticExtension)});
    TZusatzForm dialog({serviceClient, form->state.request, offered, selection, 151, 7});
    WhenModal([&](QDialog* d) {
        auto* tree = Find<QTreeWidget>(d, "TreeView1");
        ASSERT_EQ(tree->topLevelItemCount(), 3); // frame and the two sill groups
        EXPECT_TRUE(tree->findItems(QStringLiteral("Montageschrauben 7,5 x 112"),
                                    Qt::MatchExactly | Qt::MatchRecursive)
                        .isEmpty())
            << "parts counted per element are not offered";
        // The chosen accessory starts ticked, with its own accessory below.
        EXPECT_EQ(State(d, "Verbreiterung 50 mm, statisch"), 2);
        EXPECT_EQ(Node(d, "Verbreiterung 50 mm, statisch")->childCount(), 1);

        // Same key: ticking one unticks the other and takes its children.
        Click(d, "Verbreiterung 20 mm");
        EXPECT_EQ(State(d, "Verbreiterung 20 mm"), 2);
        EXPECT_EQ(State(d, "Verbreiterung 50 mm, statisch"), 1);
        EXPECT_EQ(Node(d, "Verbreiterung 50 mm, statisch")->childCount(), 0);
        // Ticked again it brings its accessory back; unticked it loses it.
        Click(d, "Verbreiterung 50 mm, statisch");
        EXPECT_EQ(Node(d, "Verbreiterung 50 mm, statisch")->childCount(), 1);
        Click(d, "Verbreiterung 50 mm, statisch");
        EXPECT_EQ(Node(d, "Verbreiterung 50 mm, statisch")->childCount(), 0);

        // A key in the exclusion list unticks its sibling.
        Click(d, "Anputzleiste 6 mm");
        Click(d, "Putzanschlussprofil mit Gewebe");
        EXPECT_EQ(State(d, "Anputzleiste 6 mm"), 1);
        EXPECT_EQ(State(d, "Putzanschlussprofil mit Gewebe"), 2);
        // Exclusions stay within a level: the floor profile (sill group 92)
        // excludes "TS" but not the threshold of group 91.
        Click(d, "Türschwelle Alu 20 mm, thermisch getrennt");
        Click(d, "Bodeneinstandsprofil 30 mm");
        EXPECT_EQ(State(d, "Türschwelle Alu 20 mm, thermisch getrennt"), 2);
        // A click on the text selects without ticking.
        Click(d, "Verbreiterung 10 mm", false);
        EXPECT_EQ(State(d, "Verbreiterung 10 mm"), 1);
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    ASSERT_TRUE(dialog.accepted);
    EXPECT_EQ(dialog.result.checkedCount, 3u);
    ASSERT_EQ(dialog.result.selection.size(), 1u);
    const velmar_cutpos& out = dialog.result.selection[0];
    std::vector<int> chosen;
    for (const auto& z : out.opening1.zusatz) chosen.push_back(z.getId());
    EXPECT_EQ(chosen, (std::vector<int>{27007, 27061, 27064}));
    // Side 151 writes opening1 only: the other sides keep their accessories.
    for (const auto* o : {&out.opening2, &out.opening3}) {
        ASSERT_EQ(o->zusatz.size(), 1u);
        EXPECT_EQ(o->zusatz[0].getId(), kStaticExtension);
    }
}

TEST_F(ZusatzDialogTest, ReinforcementAndDistanceOfTheAccessoryInHand) {
    velmar_zusatzartikel extension = Offered(kStaticExtension);
    extension.artikel.steel1.nameId.id = 31003;
    Ask({extension});
    TZusatzForm dialog({serviceClient, form->state.request, offered, selection, 0, 0});
    WhenModal([&](QDialog* d) {
        Click(d, "Verbreiterung 50 mm, statisch", false);
        auto* chamber1 = Find<QListWidget>(d, "ListBox2");
        ASSERT_EQ(chamber1->count(), 2);
        EXPECT_EQ(vm::SelectedEntryIndex(chamber1), 1) << "the chosen reinforcement, 31003";
        EXPECT_TRUE(ShowsDrawing(d));
        ClickRow(chamber1, 0);
        QTest::keyClicks(Find<QLineEdit>(d, "Edit1"), "1,52"); // the distance
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    ASSERT_TRUE(dialog.accepted);
    const velmar_cutpos& out = dialog.result.selection.at(0);
    for (const auto* o : {&out.opening1, &out.opening2, &out.opening3}) {
        ASSERT_EQ(o->zusatz.size(), 1u);
        EXPECT_EQ(o->zusatz[0].artikel.steel1.nameId.id, 31001);
        EXPECT_DOUBLE_EQ(o->zusatz[0].artikel.nameId.value1, 1.52);
    }
}

// Keys and lists as the catalogue may write them: only keys between two ";"
// count, and an accessory's own accessories come from its part or name it.
TEST(ZusatzDialogRules, KeyListsAndChildren) {
    UseServiceIn("");
    auto form = MakeForm();
    const auto entry = [](int id, int group, const char* key, const char* excluded,
                          const char* children = "", int owner = 0) {
        velmar_zusatzartikel z;
        z.artikel.nameId.id = id;
        z.artikel.nameId.name = u"E" + std::u16string(1, static_cast<char16_t>('0' + id % 10));
        z.artikel.konstType = 30;
        z.intValue1 = group;
        z.text1 = key;
        z.text3 = excluded;
        z.text2 = children;
        z.intValue3 = owner;
        return z;
    };
    std::vector<velmar_cutpos> offered(1);
    offered[0].opening1.zusatz = {entry(1, 11, "a", ""),           entry(2, 11, "b", ""),
                                  entry(3, 11, "ab", ""),          entry(4, 11, "x", ";a;b;"),
                                  entry(5, 11, "y", "a;b", ";k;"), entry(6, 11, "k", ""),
                                  entry(7, 24, "k", "", "", 5),    entry(8, 24, "k", "")};
    // E9 belongs to no part of the tree: nobody sees it, so OK keeps it.
    std::vector<velmar_cutpos> selection(1);
    selection[0].opening1.zusatz = {offered[0].opening1.zusatz[0], offered[0].opening1.zusatz[1],
                                    offered[0].opening1.zusatz[2], entry(9, 77, "z", "")};
    TZusatzForm dialog({serviceClient, form->state.request, offered, selection, 151, 0});
    WhenModal([&](QDialog* d) {
        Click(d, "E5"); // "a;b" names no key
        EXPECT_EQ(State(d, "E1"), 2);
        EXPECT_EQ(State(d, "E2"), 2);
        // E6 has its part; E7 names E5 as its owner; E8 neither.
        const QTreeWidgetItem* e5 = Node(d, "E5");
        ASSERT_EQ(e5->childCount(), 2);
        EXPECT_EQ(e5->child(0)->text(0), QStringLiteral("E6"));
        EXPECT_EQ(e5->child(1)->text(0), QStringLiteral("E7"));
        Click(d, "E4");
        EXPECT_EQ(State(d, "E1"), 1);
        EXPECT_EQ(State(d, "E2"), 1);
        EXPECT_EQ(State(d, "E3"), 2);
        ClickByName(d, "Panel_2");
    });
    dialog.exec();
    EXPECT_EQ(dialog.result.checkedCount, 3u); // E3, E4, E5
    std::vector<int> chosen;
    for (const auto& z : dialog.result.selection[0].opening1.zusatz) chosen.push_back(z.getId());
    EXPECT_EQ(chosen, (std::vector<int>{9, 3, 4, 5}));
}

} // namespace
