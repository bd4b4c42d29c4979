#include "app/settingslink.h"

#include "dialogs/gamestartform.h"
#include "platform/workarea.h"
#include "table/chatform.h"
#include "table/chatpanel.h"
#include "table/menus.h"
#include "table/shell.h"
#include "table/sounds.h"

QRect SettingsLink::windowBounds() const { return table_.frameGeometry(); }

void SettingsLink::setWindowBounds(const QRect& stored)
{
    table_.shell().setLastWindowBounds(stored);
    const QRect place = placeOnScreens(stored, desktopWorkAreas(), TableSettings::kDefaultBounds);
    // The stored size is the whole window; the frame is the desktop's to add.
    const QSize frame = table_.frameGeometry().size() - table_.size();
    table_.move(place.topLeft());
    table_.resize(place.size() - frame);
}

int SettingsLink::rounds() const { return gamestart_().rounds(); }
void SettingsLink::setRounds(int rounds) { gamestart_().setRounds(rounds); }
int SettingsLink::newcomers() const { return gamestart_().newcomers(); }
void SettingsLink::setNewcomers(int option) { gamestart_().setNewcomers(option); }
int SettingsLink::botSpeed() const { return table_.menus().botSpeed(); }
void SettingsLink::setBotSpeed(int milliseconds) { table_.menus().setBotSpeed(milliseconds); }
int SettingsLink::computerSkill() const { return table_.menus().computerSkill(); }
void SettingsLink::setComputerSkill(int skill) { table_.menus().setComputerSkill(skill); }
int SettingsLink::turnLimit() const { return table_.menus().turnLimit(); }
void SettingsLink::setTurnLimit(int seconds) { table_.menus().setTurnLimit(seconds); }
int SettingsLink::turnSound() const { return table_.sounds().turnSound(); }
void SettingsLink::setTurnSound(int sound) { table_.sounds().setTurnSound(sound); }
bool SettingsLink::playSounds() const { return table_.sounds().playSounds(); }
void SettingsLink::setPlaySounds(bool on) { table_.sounds().setPlaySounds(on); }
bool SettingsLink::chatterSounds() const { return table_.sounds().playChatterSounds(); }
void SettingsLink::setChatterSounds(bool on) { table_.sounds().setPlayChatterSounds(on); }

int SettingsLink::textSize() const { return table_.chatPanel().textSize(); }
void SettingsLink::applyTextSize(int points) { table_.chatPanel().applyTextSize(points); }

QString SettingsLink::chatColourText() const { return table_.chatPanel().colourName(); }

void SettingsLink::setChatColour(const QColor& colour) { table_.chatPanel().setChatColour(colour); }
QString SettingsLink::phrase(int n) const { return table_.chatPanel().phrase(n); }
void SettingsLink::setPhrase(int n, const QString& text) { table_.chatPanel().setPhrase(n, text); }
