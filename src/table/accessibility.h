#pragma once
// What the table tells assistive technology (screen readers, through AT-SPI on Linux): how bones
// are spoken, and the accessible interfaces of the table's own picture controls. A bone of the
// hand is a list item that can be raised (selected); a clickable picture (toe marker, Pass, Start
// Game, phrase buttons) is a button whose press does what a click does.

#include <QAccessible>
#include <QString>

class QWidget;

namespace a11y {

// "Blank", "One" ... "Nine"; empty outside 0 to 9.
QString pipWord(int pip);
// A bone of the hand, higher pip first: "Five and three", "Double nine", "Three and blank".
// Empty for a number outside 1 to 55.
QString boneName(int bone);
// A bone lying on a toe, inner half first, as the player sees it: "Nine and five".
QString lyingBoneName(int bone, bool flip);
// The same in the middle of a sentence ("double nine", "five and three").
QString inSentence(const QString& name);

// Makes the table's interfaces known to Qt; safe to call more than once.
void installInterfaces();

// Sets a widget's accessible name and description; Qt tells assistive technology of each change.
// Nothing happens for a text that stays the same, so repeated refreshes stay quiet.
void setTexts(QWidget* widget, const QString& name, const QString& description);

// Raises an accessibility event.
void raise(QAccessibleEvent& event);
void notify(QWidget* widget, QAccessible::Event type);
// An event Qt raises by itself (a label's new text, a new accessible name or description): only
// the recorder hears of it here.
void noteRaisedByQt(QWidget* widget, QAccessible::Event type);

// Qt passes events on only while assistive technology listens, which no test display does; a
// recorder set here hears every event the table raises, or that Qt raises for it, either way.
using EventRecorder = void (*)(QAccessibleEvent* event);
void setEventRecorder(EventRecorder recorder);

} // namespace a11y
