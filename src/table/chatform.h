#pragma once
// Tchat: the table window every player sees. It talks to the game host through one socket,
// `sock`, queues what arrives one message per line, and hands the messages one per tick of
// Timer1 to their handlers, which keep the seat rows, the hand, the board, the status line and
// the chat in step with the host. The host alone holds the game; the table only mirrors it and
// proposes plays and passes. It is the program's main window: closing it ends the program.
//
// The implementation is split by concern: chatform.cpp (the window, its menus, the connection,
// the dispatcher and the seat list), tablelayout.cpp (where every control sits), shell.cpp
// (start-up, hosting, joining, the lobby link, closing), administration.cpp (the seat popup,
// Just Watch, Bot Speed, Computer Skill, removing players), hand.cpp, boardview.cpp, gameflow.cpp
// and sounds.cpp.
// The chat with its phrase buttons is a panel of its own (chatpanel.h) that the table owns.

#include "game/board.h"
#include "game/message.h"
#include "game/random.h"
#include "game/scoresheet.h"
#include "net/tsock.h"
#include "table/settingsoption.h"

#include <QColor>
#include <QMainWindow>
#include <QPoint>
#include <QRect>
#include <QStringListModel>

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QAction;
class QActionGroup;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPainter;
class QTimer;

class AreaContent;
class ChatPanel;
class BoneImage;
class ClickImage;
class HScrollBox;
class MessageBoxes;
class PaintBox;
class TiledPicture;
class SoundPlayer;
struct Artwork;
class TServer;

class Tchat : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int kSeatCount = 6;   // connection numbers above this are spectators
    static constexpr int kMaxConnection = 9;
    static constexpr int kHandPlaces = 20;
    static constexpr int kDrawnPositions = 20; // toe positions the board shows

    using VersionProvider = std::function<QString()>;

    // The sound player and the message boxes must outlive the window. Without a version provider
    // the table logs in with the game's version.
    Tchat(SoundPlayer& sounds, MessageBoxes& boxes, VersionProvider version = {}, QWidget* parent = nullptr);
    ~Tchat() override;

    // ---- What the program's shell uses --------------------------------------------------------

    // Points `sock` at the host and starts connecting without waiting; the host answers with the
    // login. May throw ESockException (for example when the address cannot be looked up). A
    // connection that is refused, cannot reach the host or gets no answer within
    // kConnectTimeoutMs is given up with a notice in the chat; the window stays open.
    void connectToHost(const QString& address, int port = 7772);
    static constexpr int kConnectTimeoutMs = 15000;

    int ownSeat() const { return ownSeat_; }
    bool loggedIn() const { return loggedIn_; }
    int turnSeat() const { return turnSeat_; }
    bool hosting() const { return hosting_; }
    void setHosting(bool hosting);
    const QString& playerName() const { return playerName_; }
    void setPlayerName(const QString& name) { playerName_ = name; }
    // Spectators as "<n>: <name>", for the spy list window.
    QStringListModel* spectators() { return &spectators_; }
    // What the seat's name label shows (seats 1 to 6; empty for any other number).
    QString seatCaption(int seat) const { return caption(seat); }
    // The computer players' delay chosen under Options, Bot Speed: 2000, 1000 or 500 ms.
    int botSpeed() const { return botSpeed_; }
    // Options, Computer Skill: 0 Standard (the default), 1 Strong. Only the hosting table's counts.
    int computerSkill() const { return computerSkill_; }
    const Artwork& artwork() const { return *artwork_; }
    QColor systemLineColor() const { return QColor(0, 0, 255); }
    game::Random& random() { return random_; }
    // Round by round scores of this game and the previous one, fed from the host's messages.
    const game::ScoreSheet& scoreSheet() const { return scoreSheet_; }
    game::ScoreSheet& scoreSheet() { return scoreSheet_; }

    // What other windows do; each may be left empty.
    std::function<void()> onShowGameStart;              // Start Game while logged in
    std::function<void()> onLoadSettings;               // the host confirmed this table's own entry
    std::function<void(const QString& winner, bool thisPlayerWon)> onAddGame; // a game this player took part in ended
    std::function<void(SettingsOption)> onSaveSettings; // the player chose a sound option, the bot speed, ...
    std::function<void()> onSavePhrases;                // the phrase editor's Done applied the nine phrases
    std::function<void()> onShowTally, onShowSpyList, onShowPhrases, onShowHelp, onShowAbout;
    std::function<void()> onShowScoreSheet;
    std::function<void()> onBannerClick;                // the banner at the lower left
    std::function<void()> onShowDownload;               // a solo start offers the lobby
    std::function<void()> onBeforeHosting;              // hosting starts: before the host listens
    std::function<void()> onHosting;                    // this table started hosting
    std::function<void()> onClosed;                     // the window closed: the program ends
    std::function<void()> onMessageHandled;             // after each message from the host

    // ---- Start-up, hosting and joining (shell.cpp) -------------------------------------------

    // The hidden host this table starts when it hosts; not owned. From then on the host reads
    // this table's version text and its Bot Speed, as the computer's delay.
    void setServer(TServer* server);
    // The port a joining table connects to: the game's 7772 unless a test says otherwise.
    void setGamePort(int port) { gamePort_ = port; }
    // The program's arguments (without the program's own name), acted on by processparams when
    // the window is first shown. Without them showing the window starts nothing.
    void setCommandLine(const QStringList& parameters) { commandLine_ = parameters; }
    // No parameters: a solo game as "You". One or two: the loading notice only. Three or more:
    // name, host address, and "true" to host (anything else joins); then the lobby link opens.
    // A connection that cannot be started is reported in an error box; the window stays open.
    void processparams(const QStringList& parameters);
    // Start the host listening and connect to it; throws ESockException when it cannot listen.
    void hostpress();
    // Connect to the host address; a name that cannot be looked up is reported in the chat.
    void joinpress();
    const QString& hostAddress() const { return hostAddress_; }
    // The link to the lobby program, 127.0.0.1 port 9001. Its existence is the only signal: it
    // has no handlers, nothing is sent or read, and a refusal goes unnoticed.
    TSock Sock11;

    // The window's bounds as last read from or written to the settings; null until then.
    QRect lastWindowBounds() const { return lastBounds_; }
    void setLastWindowBounds(const QRect& bounds) { lastBounds_ = bounds; }
    void FormClose();
    void ResetScreenLocation1Click();

    // Sends "CMD_startgame" with the game start dialog's fields (name, rounds, option, "").
    void startGame(const QStringList& fields);

    // ---- Administration (administration.cpp) ---------------------------------------------------

    // Asks the host to remove the player on that seat (or spectator number); only the hosting
    // table, once logged in, sends anything.
    void kicking(int seat);

    // Sound options, for the settings file.
    bool playSounds() const;
    void setPlaySounds(bool on);
    bool playChatterSounds() const;
    void setPlayChatterSounds(bool on);
    int turnSound() const { return turnSound_; } // 0 Classic, 1 New
    void setTurnSound(int sound);
    void setBotSpeed(int milliseconds);
    void setComputerSkill(int skill);  // 1 Strong, anything else Standard

    // The pause after a phrase button: one phrase at most per pause.
    bool phraseReady() const;
    void startPhrasePause();

    // ---- Connection and dispatch ---------------------------------------------------------------

    TSock sock;
    void sockRead(TSock* sender, int count);
    void sockInfo(TSock* sender, TSocketInfo info, const std::string& message);
    // The connection attempt ran out of time (the handler of the connect timer).
    void connectTimerTimer();
    // What sockRead does with the bytes it took: cut them into messages and queue them.
    void queueReceived(std::string_view bytes);
    // One tick of the dispatcher: one queued message handled. The timer runs only while
    // messages wait.
    void Timer1Timer();
    bool dispatcherRunning() const;
    std::size_t queuedMessages() const { return receivedlist.size(); }

    // ---- Chat ----------------------------------------------------------------------------------

    // One chat line: a code ("0" for the table's own notices, 1 to 9 for a seat), "+", the text.
    void addlinetochat(const QString& line, const QColor& colour);
    void addNotice(const QString& text) { addlinetochat(QStringLiteral("0+") + text, systemLineColor()); }
    // The chat and its phrase buttons: text size, chat colour and phrases for the settings file.
    ChatPanel& chatPanel() { return *chatPanel_; }
    const ChatPanel& chatPanel() const { return *chatPanel_; }
    // The settings' text size: all styles, and the "Text Size" entry of that caption checked.
    void applyTextSize(int points);
    // The phrase editor's "Done": the nine texts become the buttons' phrases (empty ones too),
    // then onSavePhrases writes them.
    void applyPhrases(const QStringList& phrases);

    // ---- State the tests and other windows read --------------------------------------------------

    int selectedSlot() const { return selectedSlot_; }
    int spinnerBone() const { return spinnerBone_; }
    const game::Board& boardTable() const { return board_; }
    int handSlotAt(int place) const; // -1 for a free place or one outside 1 to 20

    // ---- Keyboard play (keyboard.cpp) --------------------------------------------------------------

    // The keys of the hand, as its tooltip lists them.
    static const QString kHandKeys;
    // The hand place the keyboard's focus ring stands on, 1 to 20.
    int focusRingPlace() const { return ringPlace_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Handler = void (Tchat::*)(std::string_view payload);
    struct Route {
        std::string_view verb;
        Handler handler;
    };
    static const std::array<Route, 24> kRoutes;

    struct Place {
        bool free = true;
        int slot = -1;
    };

    // tablelayout.cpp
    void buildLayout();
    void buildSeatRow(int seat);
    void buildMenus();

    // shell.cpp
    void FormShow();
    void Exit1Click();
    void ViewTally1Click();
    void SpyList1Click();
    void PrhaseList1Click();
    void Help2Click();
    void About1Click();

    // administration.cpp
    void buildSeatPopup();
    void label_playername1ContextPopup(QLabel* label, const QPoint& position);
    void RemoveFromGame1Click();
    void SettoJustWatch1Click();
    void UnsetJustWatch1Click();
    void sendJustWatch(int seat, bool watch);
    void JustWatch1Click();
    void Fast1Click(QAction* entry);
    void ComputerSkill1Click(QAction* entry);

    // chatform.cpp: connection, dispatch, login and seat list
    void processsocktimer();
    void handleEverythingReceived();
    void connectionFailed(const QString& reason);
    void abandonConnection();
    void sendToHost(const game::Message& message);
    void sendloginfo(std::string_view payload);
    void newplayerinfo(std::string_view payload);
    void playerdisconnected(std::string_view payload);
    void justwatching(std::string_view payload);
    void havewrongversion(std::string_view payload);
    void wrongversion(std::string_view payload);
    void gameisfull(std::string_view payload);
    QString caption(int seat) const;
    static QString computerName(int seat);
    static bool isSeat(int n) { return n >= 1 && n <= kSeatCount; }

    // hand.cpp
    void dealmybones(std::string_view payload);
    void createbone(int slot, int bone);
    void boneimagesMouseDown(BoneImage* image, Qt::MouseButton button);
    void sortthem();
    void freebone(int slot);
    void movebone(int slot);
    void clearselected();
    void clearallbones();
    BoneImage* boneImage(int slot) const;
    int placeLeft(int place) const { return 40 * place - 36; }
    void bringBonesToFront(int fromPlace);
    void updateHandRange();

    // boardview.cpp
    void placeboardbone(QPainter& painter, int bone, int x, bool flip, int y) const;
    void placespinner(QPainter& painter, int bone, int x, int y) const;
    void clearboard();
    void paintbox_boardPaint(QPainter& painter) const;
    void image_toe1Click(ClickImage* marker);
    static int toeRow(int toe);
    void updateCell(int toe, int position);
    void updateSpinner();
    void boardToeBone(int toe, int position, int bone, bool flip);
    void boardDoubleOnToe(int toe, int position, int bone, bool flip);
    void boardSpinnerFromPlay(int bone);
    void offerToe(int toe, int position);
    void showAllMarkers();
    void hideMarkers();
    void clearToes();
    void updateBoardRange();
    void scrollBoardHome();

    // gameflow.cpp
    void startthegame(std::string_view payload);
    void clearall();
    void startround(std::string_view payload);
    void beginagain(std::string_view payload);
    void getnextplayer(std::string_view payload);
    void heplayed(std::string_view payload);
    void doubleplayed(std::string_view payload); // the handler of "CMD_double" (a C++ keyword)
    void hepassed(std::string_view payload);
    void noplay(std::string_view payload);
    void endround(std::string_view payload);
    void winner(std::string_view payload);
    void gamestats(std::string_view payload);
    void youplay(std::string_view payload);
    void button_passClick();
    void button_startClick();
    void setStatus(const QString& text);
    void hideTurnIndicators();
    void showRoundCounter(const QString& round);

    // keyboard.cpp: the hand's keys route to the same handlers as the mouse
    void buildKeyboard();
    bool handKeyPress(const QKeyEvent& key);
    void toggleHandFocus();
    void moveFocusRing(int place);
    void updateFocusRing();
    int bonesInHand() const;
    void playOnToeKey(int toe);
    void playOnOnlyFit();
    int markerPip(int toe) const;

    // describe.cpp: names, descriptions and announcements for assistive technology
    void buildAccessibility();
    void describeTable();
    void describeHand();
    void describeMarkers();
    void describeBoard();
    void describeSeats();
    void announce(const QString& text);
    QString seatSpoken(int seat) const;
    QString playSpoken(int seat, int bone, int toe, int position) const;
    // scorekeeping.cpp
    game::SheetSeatNames sheetNames() const;
    void showGameSeed();
    void ScoreSheet1Click();

    // the chat panel's handler for relayed lines
    void chatrecieved(std::string_view payload);

    // sounds.cpp
    void buildSoundMenus(QMenu* options);
    void playsounds(const QString& name);
    void playasound(std::string_view payload);
    void wave20Click(int number);
    void b_phrase10Click();

    // Services
    SoundPlayer& sounds_;
    MessageBoxes& boxes_;
    VersionProvider version_;
    std::unique_ptr<Artwork> artwork_;
    game::Random random_;
    game::ScoreSheet scoreSheet_;

    // Connection state
    int ownSeat_ = 0;
    bool loggedIn_ = false;
    QString playerName_;
    int turnSeat_ = 0;
    bool hosting_ = false;
    TServer* server_ = nullptr;
    int gamePort_ = 7772;
    std::optional<QStringList> commandLine_;
    QString hostAddress_;
    QString connectingTo_; // the host being connected to, while the connection is not yet made
    QTimer* connectTimer_ = nullptr;
    bool quietClose_ = false; // the table closes its own socket: not the host going away
    bool closed_ = false;
    QRect lastBounds_;
    game::Framer framer_;
    std::deque<std::string> receivedlist;
    QTimer* Timer1 = nullptr;
    QStringListModel spectators_;

    // Hand
    std::array<Place, kHandPlaces + 1> places_{}; // places 1 to 20
    int selectedSlot_ = -1;

    // Board
    game::Board board_;
    int spinnerBone_ = -1;
    QPoint spinnerPoint_{16, 124};
    QString roundsText_ = QStringLiteral("10");
    // What the host offered with the player's turn, shown again when a play is refused.
    std::array<bool, 4> offeredToes_{};
    bool passOffered_ = false;

    // Keyboard and screen readers
    QWidget* focusRing_ = nullptr;
    int ringPlace_ = 1;
    QLabel* announcer_ = nullptr;

    // Options
    int turnSound_ = 0;
    int botSpeed_ = 1000;
    int computerSkill_ = 0;

    // Widgets (indices 1 to 6 for the seat rows, 1 to 3 for the toe markers)
    QWidget* panel_main = nullptr;
    HScrollBox* panel_board = nullptr;
    TiledPicture* image_boardback = nullptr;
    PaintBox* paintbox_board = nullptr;
    std::array<ClickImage*, 4> image_toe{};
    QLabel* label_round = nullptr;
    ClickImage* button_start = nullptr;
    QFrame* panel_winner = nullptr;
    QLabel* label_winner1 = nullptr;
    QLabel* label_winner2 = nullptr;
    HScrollBox* panel_bones = nullptr;
    QLabel* Image3 = nullptr;
    QLabel* label_notplaying = nullptr;
    std::array<QLabel*, kSeatCount + 1> label_playername{};
    std::array<QLabel*, kSeatCount + 1> label_score{};
    std::array<QLabel*, kSeatCount + 1> label_bonus{};
    std::array<QLabel*, kSeatCount + 1> label_bones{};
    std::array<QLabel*, kSeatCount + 1> image_turn{};
    std::array<QLabel*, kSeatCount + 1> image_eyes{};
    QLabel* label_status = nullptr;
    ClickImage* button_pass = nullptr;
    ChatPanel* chatPanel_ = nullptr;
    ClickImage* b_phrase10 = nullptr;
    QMenu* popup_sounds = nullptr;
    ClickImage* Image5 = nullptr;

    // Menu entries
    QAction* StartGame1 = nullptr;
    QAction* PlaySounds1 = nullptr;
    QAction* PlayChatterSounds1 = nullptr;
    QAction* Classic1 = nullptr;
    QAction* New1 = nullptr;
    QAction* JustWatch1 = nullptr;
    std::array<QAction*, 3> botSpeedItems_{}; // Slow, Normal, Fast
    QMenu* ComputerSkill1 = nullptr;            // greyed on tables that do not host
    std::array<QAction*, 2> computerSkillItems_{}; // Standard, Strong

    // The seat name labels' popup; its tag is the seat it was opened on.
    QMenu* popup_kick = nullptr;
    QAction* RemoveFromGame1 = nullptr;
    QAction* SettoJustWatch1 = nullptr;
    QAction* UnsetJustWatch1 = nullptr;
};
