#pragma once
// Ttallylist: the record of finished games and of wins against the chosen opponents. Made
// hidden at start and shown from the table's View menu. The record itself is a TallyRecord;
// this window shows it, lets the player choose whom to tally, and keeps it in the tally file.
//
// The tally file is read once at start (readTallyFile) and written after every finished game and
// at the end of the run (when the window is destroyed), both wholly in memory: no scratch file, so
// a missing temporary folder or a full disk elsewhere never touches the record. A file whose own
// bytes are malformed is kept aside under a ".damaged" name; a file that cannot be read for any
// other reason is left as it is and not written over in this run. Either way the player is told
// once, after the window given to reportReadFailureWhenShown is on screen.

#include "compress/tlzrw1.h"
#include "dialogs/tallyrecord.h"
#include "platform/savefailure.h"

#include <QDialog>
#include <QPixmap>
#include <QPointer>

#include <array>
#include <functional>

class MessageBoxes;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTableView;
class TallyGridModel;

class Ttallylist : public QDialog {
    Q_OBJECT
public:
    // The tally file's name for the settings section the table keeps its options in.
    static QString fileNameFor(const QString& settingsSection) { return settingsSection + QStringLiteral("tally.tld"); }

    // `boxes` must outlive the window; `background` is the table's picture, tiled.
    explicit Ttallylist(MessageBoxes& boxes, const QPixmap& background = QPixmap(), QWidget* parent = nullptr);
    // Writes the record once more, if a tally file was read; errors go to stderr only.
    ~Ttallylist() override;

    // The names on the table's other seats, in seat order (the own seat left out).
    using SeatNames = std::function<QStringList()>;
    void setSeatNames(SeatNames names) { seatNames_ = std::move(names); }

    // Reads the record from `path` and writes it there from now on. No file: an empty record.
    void readTallyFile(const QString& path);
    // What went wrong reading the file, for the player; empty when it was read or was not there.
    const QString& readFailure() const { return readFailure_; }
    // Shows the read failure, if any, in an error box (once).
    void reportReadFailure();
    // The same, but only once `window` is on screen and the event loop runs: a box at start-up
    // must not run an event loop of its own while the program is still being made.
    void reportReadFailureWhenShown(QWidget* window);
    // Writes the record to the tally file; on failure returns false with the reason in `error`.
    bool writeTallyFile(QString* error = nullptr);
    const QString& tallyFile() const { return tallyFile_; }

    const TallyRecord& record() const { return record_; }

    void loadtally();
    void loadchecklist();
    // A game ended; the table calls this only when its player took part.
    void addgame(const QString& winner, bool thisPlayerWon);
    qint64 addit(int column, int row);
    void addtomineincrease(int column);
    void moverow(int row);

    void checklistClickCheck(QListWidgetItem* item);
    void listbox_tallyClick();
    void listbox_tallyClickCheck(QListWidgetItem* item);
    void button_resetClick();
    void button_doneClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPanels();
    void buildLists();
    void keepAside(const QString& reason);
    void leaveAlone(const QString& reason);
    void clearOpponentPanel();
    void showOwnCounters();
    void recordChanged();
    QWidget* boxParent();

    MessageBoxes& boxes_;
    TallyRecord record_;
    SeatNames seatNames_;
    QString tallyFile_;
    // False when an unreadable file could not be moved aside: it is then left alone all run.
    bool mayWrite_ = true;
    SaveFailureReporter writeFailure_{boxes_};
    QString readFailure_;
    QPointer<QWidget> reportAfterShowing_;

    lzrw1::Tlzrw1 doit;
    TallyGridModel* grid_;
    QTableView* stringgrid_scores;
    std::array<QLabel*, 5> mylabel_{};  // 1..4
    std::array<QLabel*, 9> label_{};    // 1..8
    QLabel* label_hisname;
    QLabel* label_hisnametop;
    QListWidget* checklist;
    QListWidget* listbox_tally;
    QPushButton* button_reset;
    QPushButton* button_done;
};
