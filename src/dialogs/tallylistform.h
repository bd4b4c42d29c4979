#pragma once
// Ttallylist: the record of finished games and of wins against the chosen opponents. Made
// hidden at start and shown from the table's View menu. The record itself is a TallyRecord;
// this window shows it, lets the player choose whom to tally, and keeps it in the tally file.
//
// The tally file is read once at start (readTallyFile) and written after every finished game and
// at the end of the run (when the window is destroyed). A file that cannot be read is kept aside
// under a ".damaged" name and the player is told once; nothing is ever written over it.

#include "compress/tlzrw1.h"
#include "dialogs/tallyrecord.h"

#include <QDialog>
#include <QPixmap>

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
    static constexpr const char* kFileName = "Chickenfoottally.tld";

    // `boxes` must outlive the window; `background` is the table's picture, tiled.
    explicit Ttallylist(MessageBoxes& boxes, const QPixmap& background = QPixmap(), QWidget* parent = nullptr);
    // Writes the record once more, if a tally file was read; errors go to stderr only.
    ~Ttallylist() override;

    // The names on the table's other seats, in seat order (the own seat left out).
    using SeatNames = std::function<QStringList()>;
    void setSeatNames(SeatNames names) { seatNames_ = std::move(names); }

    // Reads the record from `path` and writes it there from now on. No file: an empty record.
    void readTallyFile(const QString& path);
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

private:
    void buildPanels();
    void buildLists();
    void keepAside(const QString& reason);
    void showOwnCounters();
    void recordChanged();
    QWidget* boxParent();

    MessageBoxes& boxes_;
    TallyRecord record_;
    SeatNames seatNames_;
    QString tallyFile_;
    // False when an unreadable file could not be moved aside: it is then left alone all run.
    bool mayWrite_ = true;
    bool writeFailureShown_ = false;

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
