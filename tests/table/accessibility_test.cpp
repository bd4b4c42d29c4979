// What a screen reader finds on the table: names, roles and states of the hand, the toe markers,
// the board, the seat rows and the status line, and the events that announce the game.
#include "tablefixture.h"

#include "table/accessibility.h"

#include <QLineEdit>

namespace {

struct Heard {
    QObject* object;
    QAccessible::Event type;
    QString name;
    QString description;
};
std::vector<Heard> heard;

void record(QAccessibleEvent* event)
{
    QAccessibleInterface* iface = event->accessibleInterface();
    heard.push_back({event->object(), event->type(), iface ? iface->text(QAccessible::Name) : QString(),
                     iface ? iface->text(QAccessible::Description) : QString()});
}

class AccessibilityTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        heard.clear();
        a11y::setEventRecorder(record);
    }
    void TearDown() override
    {
        a11y::setEventRecorder(nullptr);
        TableTest::TearDown();
    }
    QAccessibleInterface* iface(const QString& name) { return QAccessible::queryAccessibleInterface(find(name)); }
    QString nameOf(const QString& widget) { return iface(widget)->text(QAccessible::Name); }
    QString descriptionOf(const QString& widget) { return iface(widget)->text(QAccessible::Description); }
    // What was announced for that widget with that event, in order.
    QStringList heardFor(const QString& widget, QAccessible::Event type, bool description = false)
    {
        QStringList texts;
        for (const Heard& h : heard)
            if (h.object == find(widget) && h.type == type)
                texts.append(description ? h.description : h.name);
        return texts;
    }
};

} // namespace

TEST_F(AccessibilityTest, BonesAreListItemsThatShowWhetherTheyAreRaised)
{
    login(3);
    feed({"CMD_startround+1+55+3+3+t", "CMD_dealmybones+3+1+30+2+55+3+4"});
    QAccessibleInterface* first = iface(QStringLiteral("bone1"));
    EXPECT_EQ(first->role(), QAccessible::ListItem);
    EXPECT_EQ(QStringList({nameOf("bone1"), nameOf("bone2"), nameOf("bone3")}),
              (QStringList{"Five and three", "Double nine", "Three and blank"}));
    EXPECT_EQ(descriptionOf("bone2"), QStringLiteral("Place 2 of 3"));
    EXPECT_FALSE(first->state().selected);
    EXPECT_EQ(nameOf("panel_bones"), QStringLiteral("Your hand"));
    EXPECT_TRUE(descriptionOf("panel_bones").startsWith(QStringLiteral("3 bones.\nKeys in your hand")));
    EXPECT_TRUE(find(QStringLiteral("panel_bones"))->toolTip().contains(QStringLiteral("P: pass")));

    feed({"CMD_nextplayer+3+1+t+t+t+1+1+1+"});
    QTest::keyClick(table->chatPanel().input(), Qt::Key_F6);
    EXPECT_TRUE(first->state().focused) << "the ring starts on place 1";
    heard.clear();
    QTest::keyClick(find(QStringLiteral("panel_bones")), Qt::Key_Right);
    EXPECT_FALSE(first->state().focused);
    EXPECT_TRUE(iface(QStringLiteral("bone2"))->state().focused);
    EXPECT_EQ(heardFor(QStringLiteral("bone2"), QAccessible::Focus), QStringList{"Double nine"});

    QTest::keyClick(find(QStringLiteral("panel_bones")), Qt::Key_Space);
    EXPECT_TRUE(iface(QStringLiteral("bone2"))->state().selected);
    EXPECT_EQ(descriptionOf("bone2"), QStringLiteral("Place 2 of 3, raised"));
    EXPECT_EQ(heardFor(QStringLiteral("bone2"), QAccessible::StateChanged).size(), 1u);

    // The bone's press action is a click: it lowers the raised bone again.
    iface(QStringLiteral("bone2"))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(iface(QStringLiteral("bone2"))->state().selected);
    EXPECT_EQ(table->mirror().state().hand.selectedSlot(), -1);
}

TEST_F(AccessibilityTest, MarkersNameTheirToePlaceAndThePipTheyNeed)
{
    login(3);
    // Toe 2 grows 9|5, 5|8, 8|6 from the spinner 9|9: its open end is 6.
    feed({"CMD_startround+1+55+7+3+t", "CMD_heplayed+1+1+45+2+1+t+6+", "CMD_heplayed+1+2+44+2+2+f+5+",
          "CMD_heplayed+1+3+48+2+3+t+4+", "CMD_nextplayer+3+2+t+t+f+1+4+0+"});
    QAccessibleInterface* toe2 = iface(QStringLiteral("image_toe2"));
    EXPECT_EQ(toe2->role(), QAccessible::Button);
    EXPECT_EQ(nameOf("image_toe2"), QStringLiteral("Toe 2, place 4, fits a 6"));
    EXPECT_EQ(nameOf("image_toe1"), QStringLiteral("Toe 1, place 1, fits a 9"));
    EXPECT_FALSE(toe2->state().invisible);
    EXPECT_TRUE(iface(QStringLiteral("image_toe3"))->state().invisible);
    EXPECT_EQ(descriptionOf("paintbox_board"),
              QStringLiteral("Spinner: double nine.\nToe 1: empty.\n"
                             "Toe 2: nine and five, five and eight, eight and six; open end 6.\nToe 3: empty."));
    EXPECT_EQ(nameOf("button_pass"), QStringLiteral("Pass"));

    // Pressing a marker through its action sends what a click sends.
    toe2->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(host.waitForMessage("CMD_playbone+3+-1+2+4+"));
}

TEST_F(AccessibilityTest, SeatRowsAndTheStatusLineFollowTheGameAndAnnounceIt)
{
    login(3);
    feed({"CMD_existingplayers+1+Hal+0", "CMD_newplayerinfo+3+Ann+0", "CMD_startround+2+46+7+1+t+3+t"});
    heard.clear();
    feed({"CMD_nextplayer+1+1+t+t+t+1+1+1+", "CMD_heplayed+1+4+42+2+1+t+6+", "CMD_hepassed+1+",
          "CMD_nextplayer+3+2+t+t+t+1+1+1+", "CMD_endround+1+1+-20+-20+3+12+12"});
    EXPECT_EQ(iface(QStringLiteral("label_playername1"))->role(), QAccessible::StaticText);
    EXPECT_EQ(QStringList({nameOf("label_playername1"), descriptionOf("label_playername1")}),
              (QStringList{"Seat 1: Hal", "6 bones left, total -20, this round -20"}));
    EXPECT_EQ(QStringList({nameOf("label_playername3"), descriptionOf("label_playername3")}),
              (QStringList{"Seat 3: Ann (you)", "7 bones left, total 12, this round +12, your turn"}));
    EXPECT_EQ(nameOf("label_round"), QStringLiteral("Round: 2 of 10"));
    feed({"CMD_justwatching+1+1", "CMD_winner+Hal"});
    EXPECT_EQ(descriptionOf("label_playername1"), QStringLiteral("6 bones left, total -20, this round -20, just watching"));

    // The status line is the live region: an alert with each happening, a new name with each text.
    EXPECT_EQ(iface(QStringLiteral("label_status"))->role(), QAccessible::StaticText);
    EXPECT_EQ(heardFor(QStringLiteral("label_status"), QAccessible::Alert, true),
              (QStringList{"Hal's turn.", "Hal played six and five on toe 2.", "Hal passed.", "Your Turn.",
                           "Round over: Hal went out. Hal -20, total -20. You +12, total 12.",
                           "Hal has Won the Game!"}));
    // Linux screen readers speak the announcer, a notification, as it appears with the same text.
    EXPECT_EQ(iface(QStringLiteral("announcer"))->role(), QAccessible::Notification);
    EXPECT_EQ(heardFor(QStringLiteral("announcer"), QAccessible::ObjectShow),
              heardFor(QStringLiteral("label_status"), QAccessible::Alert, true));
    EXPECT_EQ(heardFor(QStringLiteral("label_status"), QAccessible::NameChanged),
              (QStringList{"Hal's turn.", "Hal passed.", "Your Turn.", "Posting Scores, Please Wait..", "Game Over!"}));
    EXPECT_EQ(heardFor(QStringLiteral("paintbox_board"), QAccessible::DescriptionChanged, true),
              QStringList{"Spinner: double six.\nToe 1: empty.\nToe 2: six and five; open end 5.\nToe 3: empty."});

    feed({"CMD_chat+1+Hal chats: hi there :)#10|clBlack"});
    EXPECT_EQ(nameOf("mainchat"), QStringLiteral("Chat"));
    EXPECT_TRUE(descriptionOf("mainchat").startsWith(QStringLiteral("Hal chats: hi there (")));
}
