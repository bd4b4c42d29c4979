// Where every control of the table window sits. All positions are pixels in the main panel
// (780 x 531), or in the content of the board and hand areas where said.
#include "table/artwork.h"
#include "table/chatpanel.h"
#include "table/chatform.h"
#include "table/tablewidgets.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr int kSeatColumnX[2] = {5, 216};
constexpr int kSeatRowY[3] = {398, 428, 458};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QLabel* makePicture(QWidget* parent, const QString& name, const QPixmap& pixmap, QRect geometry)
{
    auto* picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setPixmap(pixmap);
    picture->setScaledContents(true);
    picture->setGeometry(geometry);
    return picture;
}

} // namespace

void Tchat::buildLayout()
{
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralarea"));
    // The main panel keeps its size and stays centred however large the window grows.
    central->setMinimumSize(784, 535);
    auto* centring = new QVBoxLayout(central);
    centring->setContentsMargins(0, 0, 0, 0);
    QPalette tiled = central->palette();
    tiled.setBrush(QPalette::Window, QBrush(artwork_->tableBackground));
    central->setPalette(tiled);
    central->setAutoFillBackground(true);

    panel_main = new QWidget(central);
    panel_main->setObjectName(QStringLiteral("panel_main"));
    panel_main->setFixedSize(780, 531);
    QFont tableFont = panel_main->font();
    tableFont.setPointSize(8);
    panel_main->setFont(tableFont);
    centring->addWidget(panel_main, 0, Qt::AlignCenter);
    setCentralWidget(central);

    // Board area: background, drawing surface, round counter, start button, banner, toe markers.
    panel_board = new HScrollBox(panel_main);
    panel_board->setObjectName(QStringLiteral("panel_board"));
    panel_board->setGeometry(3, 3, 774, 262);
    AreaContent* board = panel_board->content();
    board->setObjectName(QStringLiteral("boardcontent"));
    // The felt is laid every 750 pixels, as wiping the board draws it, and never stretched.
    image_boardback = new TiledPicture(artwork_->boardBackground, 750, board);
    image_boardback->setObjectName(QStringLiteral("image_boardback"));
    paintbox_board = new PaintBox([this](QPainter& painter) { paintbox_boardPaint(painter); }, board);
    paintbox_board->setObjectName(QStringLiteral("paintbox_board"));
    board->addFiller(paintbox_board);
    board->addFiller(image_boardback);

    label_round = makeLabel(board, "label_round", QStringLiteral("Round: 0 of 10"), {5, 4, 120, 16}, true);
    button_start = new ClickImage(board);
    button_start->setObjectName(QStringLiteral("button_start"));
    button_start->setPixmap(artwork_->startButton);
    button_start->setGeometry(10, 26, 102, 28);
    button_start->hide();
    connect(button_start, &ClickImage::clicked, this, [this] { button_startClick(); });

    panel_winner = new QFrame(board);
    panel_winner->setObjectName(QStringLiteral("panel_winner"));
    panel_winner->setGeometry(144, 11, 585, 41);
    panel_winner->setFrameShape(QFrame::Box);
    panel_winner->setStyleSheet(QStringLiteral("QFrame#panel_winner { background: rgb(250, 244, 214); border: 1px solid rgb(90, 70, 30); }"));
    label_winner2 = makeLabel(panel_winner, "label_winner2", QStringLiteral("Winner!"), {2, 11, 580, 19}, true);
    label_winner1 = makeLabel(panel_winner, "label_winner1", QStringLiteral("Winner!"), {1, 12, 580, 19}, true);
    for (QLabel* text : {label_winner1, label_winner2}) {
        text->setAlignment(Qt::AlignCenter);
        QFont font = text->font();
        font.setPointSize(11);
        text->setFont(font);
    }
    label_winner2->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));
    label_winner1->setStyleSheet(QStringLiteral("color: rgb(0, 100, 0);"));
    panel_winner->hide();

    for (int toe = 1; toe <= 3; ++toe) {
        auto* marker = new ClickImage(board);
        marker->setObjectName(QStringLiteral("image_toe%1").arg(toe));
        marker->setPixmap(artwork_->toeMarker);
        marker->setGeometry(68, toeRow(toe), 66, 34);
        marker->hint = QString::number(toe);
        marker->tag = 1;
        marker->hide();
        connect(marker, &ClickImage::clicked, this, [this](ClickImage* clicked) { image_toe1Click(clicked); });
        image_toe[toe] = marker;
    }

    // Hand area: background, the notice for newcomers, and the bone images.
    panel_bones = new HScrollBox(panel_main);
    panel_bones->setObjectName(QStringLiteral("panel_bones"));
    panel_bones->setGeometry(3, 268, 774, 99);
    panel_bones->horizontalScrollBar()->setSingleStep(40);
    AreaContent* hand = panel_bones->content();
    hand->setObjectName(QStringLiteral("handcontent"));
    Image3 = makePicture(hand, QStringLiteral("Image3"), artwork_->handBackground, {});
    hand->addFiller(Image3);
    label_notplaying = makeLabel(hand, "label_notplaying", QStringLiteral("The game has already started."),
                                 {2, 24, 770, 33}, true);
    label_notplaying->setAlignment(Qt::AlignCenter);
    {
        QFont font = label_notplaying->font();
        font.setPointSize(12);
        label_notplaying->setFont(font);
    }
    label_notplaying->hide();

    for (int seat = 1; seat <= kSeatCount; ++seat)
        buildSeatRow(seat);

    label_status = makeLabel(panel_main, "label_status", QStringLiteral("Welcome to Tilvaro"), {5, 376, 356, 17}, true);
    label_status->setAlignment(Qt::AlignCenter);
    button_pass = new ClickImage(panel_main);
    button_pass->setObjectName(QStringLiteral("button_pass"));
    button_pass->setPixmap(artwork_->passButton);
    button_pass->setGeometry(358, 368, 65, 28);
    button_pass->hide();
    connect(button_pass, &ClickImage::clicked, this, [this] { button_passClick(); });

    // Chat: the view in its frame, the input under it, the smiley button and the phrase buttons.
    chatPanel_ = new ChatPanel(boxes_, artwork_->phraseButton, panel_main);
    chatPanel_->loggedIn = [this] { return loggedIn_; };
    chatPanel_->ownSeat = [this] { return ownSeat_; };
    chatPanel_->send = [this](const game::Message& message) { sendToHost(message); };
    chatPanel_->onSettingsChanged = [this](SettingsOption option) {
        if (onSaveSettings)
            onSaveSettings(option);
    };

    // The chatter sound button sits with the phrase buttons, second row, last column.
    b_phrase10 = new ClickImage(panel_main);
    b_phrase10->setObjectName(QStringLiteral("b_phrase10"));
    b_phrase10->setPixmap(artwork_->phraseButton);
    b_phrase10->setGeometry(396, 508, 25, 19);
    b_phrase10->setToolTip(QStringLiteral("Chatter Sounds"));
    connect(b_phrase10, &ClickImage::clicked, this, [this] { b_phrase10Click(); });

    Image5 = new ClickImage(panel_main);
    Image5->setObjectName(QStringLiteral("Image5"));
    Image5->setPixmap(artwork_->banner);
    const QSize bannerSize = artwork_->banner.size().boundedTo(QSize(282, 40));
    Image5->setGeometry(5, 488, bannerSize.width(), bannerSize.height());
    connect(Image5, &ClickImage::clicked, this, [this] {
        if (onBannerClick)
            onBannerClick();
    });
}

void Tchat::buildSeatRow(int seat)
{
    const int x = kSeatColumnX[(seat - 1) / 3];
    const int y = kSeatRowY[(seat - 1) % 3];
    const auto name = [seat](const char* stem) { return QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(seat); };

    image_turn[seat] = makePicture(panel_main, name("image_turn"), artwork_->turnIndicator, {x, y, 204, 26});
    image_turn[seat]->hide();
    image_eyes[seat] = makePicture(panel_main, name("image_eyes"), artwork_->watchingMark, {x + 1, y + 3, 22, 8});
    image_eyes[seat]->hide();
    label_bones[seat] = new QLabel(panel_main);
    label_bones[seat]->setGeometry(x + 4, y + 6, 18, 14);
    label_playername[seat] = new QLabel(QStringLiteral("<Waiting>"), panel_main);
    label_playername[seat]->setGeometry(x + 24, y + 5, 105, 16);
    QFont bold = label_playername[seat]->font();
    bold.setBold(true);
    label_playername[seat]->setFont(bold);
    label_score[seat] = new QLabel(QStringLiteral("0"), panel_main);
    label_score[seat]->setGeometry(x + 136, y + 5, 30, 16);
    label_bonus[seat] = new QLabel(panel_main);
    label_bonus[seat]->setGeometry(x + 168, y + 5, 34, 16);
    label_bones[seat]->setObjectName(name("label_bones"));
    label_playername[seat]->setObjectName(name("label_playername"));
    label_score[seat]->setObjectName(name("label_score"));
    label_bonus[seat]->setObjectName(name("label_bonus"));
}

void Tchat::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto item = [](QMenu* menu, const char* name, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    const auto menu = [bar](const char* name, const QString& text) {
        QMenu* added = bar->addMenu(text);
        added->setObjectName(QString::fromLatin1(name));
        return added;
    };

    // Each menu opens with Alt and its first letter.
    QMenu* file = menu("File1", QStringLiteral("&File"));
    StartGame1 = item(file, "StartGame1", QStringLiteral("Start Game"));
    StartGame1->setEnabled(false);
    connect(StartGame1, &QAction::triggered, this, [this] { button_startClick(); });
    file->addSeparator();
    connect(item(file, "Exit1", QStringLiteral("Exit")), &QAction::triggered, this, [this] { Exit1Click(); });

    QMenu* options = menu("Options1", QStringLiteral("&Options"));
    buildSoundMenus(options);

    QMenu* speed = options->addMenu(QStringLiteral("Bot Speed"));
    speed->setObjectName(QStringLiteral("BotSpeed1"));
    auto* speedGroup = new QActionGroup(this);
    const char* speedNames[3] = {"Slow1", "Normal1", "Fast1"};
    const char* speedTexts[3] = {"Slow", "Normal", "Fast"};
    const int speedValues[3] = {2000, 1000, 500};
    for (int i = 0; i < 3; ++i) {
        QAction* entry = item(speed, speedNames[i], QString::fromLatin1(speedTexts[i]));
        entry->setCheckable(true);
        entry->setActionGroup(speedGroup);
        entry->setProperty("tag", speedValues[i]);
        connect(entry, &QAction::triggered, this, [this, entry] { Fast1Click(entry); });
        botSpeedItems_[i] = entry;
    }
    botSpeedItems_[1]->setChecked(true);

    options->addSeparator();
    options->addAction(chatPanel_->textColourEntry());
    QMenu* textSize = options->addMenu(QStringLiteral("Text Size"));
    textSize->setObjectName(QStringLiteral("TextSize1"));
    for (QAction* size : chatPanel_->textSizeEntries())
        textSize->addAction(size);
    options->addAction(chatPanel_->scrollChatOffEntry());
    options->addAction(chatPanel_->clearMainChatEntry());
    connect(item(options, "ResetScreenLocation1", QStringLiteral("Reset Screen Location")), &QAction::triggered,
            this, [this] { ResetScreenLocation1Click(); });
    options->addSeparator();
    ComputerSkill1 = options->addMenu(QStringLiteral("Computer Skill"));
    ComputerSkill1->setObjectName(QStringLiteral("ComputerSkill1"));
    ComputerSkill1->setEnabled(hosting_);
    auto* skillGroup = new QActionGroup(this);
    const char* skillNames[2] = {"Standard1", "Strong1"};
    const char* skillTexts[2] = {"Standard", "Strong"};
    for (int i = 0; i < 2; ++i) {
        QAction* entry = item(ComputerSkill1, skillNames[i], QString::fromLatin1(skillTexts[i]));
        entry->setCheckable(true);
        entry->setActionGroup(skillGroup);
        entry->setProperty("tag", i);
        connect(entry, &QAction::triggered, this, [this, entry] { ComputerSkill1Click(entry); });
        computerSkillItems_[i] = entry;
    }
    computerSkillItems_[0]->setChecked(true);
    JustWatch1 = item(options, "JustWatch1", QStringLiteral("Just Watch"));
    JustWatch1->setCheckable(true);
    connect(JustWatch1, &QAction::triggered, this, [this] { JustWatch1Click(); });

    QMenu* view = menu("View1", QStringLiteral("&View"));
    connect(item(view, "ViewTally1", QStringLiteral("View Tally")), &QAction::triggered, this,
            [this] { ViewTally1Click(); });
    connect(item(view, "SpyList1", QStringLiteral("Spy List")), &QAction::triggered, this,
            [this] { SpyList1Click(); });
    connect(item(view, "PrhaseList1", QStringLiteral("Phrase List")), &QAction::triggered, this,
            [this] { PrhaseList1Click(); });
    connect(item(view, "ScoreSheet1", QStringLiteral("S&core Sheet")), &QAction::triggered, this,
            [this] { ScoreSheet1Click(); });

    QMenu* help = menu("Help1", QStringLiteral("&Help"));
    QAction* content = item(help, "Help2", QStringLiteral("Content"));
    content->setShortcut(QKeySequence(Qt::Key_F1));
    connect(content, &QAction::triggered, this, [this] { Help2Click(); });
    help->addSeparator();
    connect(item(help, "About1", QStringLiteral("About")), &QAction::triggered, this, [this] { About1Click(); });
}
