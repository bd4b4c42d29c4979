#pragma once
// Tscoresheet: the score sheet of this game and the one before it, one column per seat, one row
// per round, as the table's sheet recorded it from the host's messages. Not modal: it follows the
// game while it stays open. "Copy" puts the sheet on the clipboard as tab-separated text, "Save
// As..." writes it as a CSV file (UTF-8), replacing the chosen file only once it is whole.

#include "game/scoresheet.h"

#include <QDialog>
#include <QPixmap>

#include <functional>

class MessageBoxes;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class Tscoresheet : public QDialog {
    Q_OBJECT
public:
    using BonePicture = std::function<QPixmap(int bone)>;

    // `sheet` stays the table's and must outlive the window; the window shows it again after
    // each change. `bonePicture` draws a small spinner (a null picture leaves only the text).
    Tscoresheet(game::ScoreSheet& sheet, MessageBoxes& boxes, const QPixmap& background,
                BonePicture bonePicture = {}, QWidget* parent = nullptr);
    ~Tscoresheet() override;

    // Which game is shown: 0 the current one, 1 the previous one.
    void showGame(int which);
    // The game shown, or null when there is none yet.
    const game::SheetGame* shownGame() const;

    void button_copyClick();
    void button_saveClick();
    // Writes the shown game as CSV; false (with the reason in errorString) when it could not.
    bool saveTo(const QString& path);
    QString errorString() const { return error_; }
    // Asks where to save; tests answer without a dialog. Empty: the player cancelled.
    std::function<QString()> chooseFile;

    // Shows the sheet as it is now.
    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fillGrid(const game::SheetGame& game);

    game::ScoreSheet& sheet_;
    MessageBoxes& boxes_;
    BonePicture bonePicture_;
    QString error_;
    QLabel* label_game = nullptr;
    QComboBox* combo_game = nullptr;
    QTableWidget* grid_sheet = nullptr;
    QPushButton* button_copy = nullptr;
    QPushButton* button_save = nullptr;
};
