#include "table/accessibility.h"

#include "game/bones.h"
#include "table/tablewidgets.h"

#include <QCoreApplication>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace a11y {

QString pipWord(int pip)
{
    //: The number of pips on one half of a bone, read out by a screen reader
    static const char* const words[] = {
        QT_TRANSLATE_NOOP("Describe", "Blank"), QT_TRANSLATE_NOOP("Describe", "One"),
        QT_TRANSLATE_NOOP("Describe", "Two"),   QT_TRANSLATE_NOOP("Describe", "Three"),
        QT_TRANSLATE_NOOP("Describe", "Four"),  QT_TRANSLATE_NOOP("Describe", "Five"),
        QT_TRANSLATE_NOOP("Describe", "Six"),   QT_TRANSLATE_NOOP("Describe", "Seven"),
        QT_TRANSLATE_NOOP("Describe", "Eight"), QT_TRANSLATE_NOOP("Describe", "Nine")};
    return pip >= 0 && pip <= game::kHighestPip ? QCoreApplication::translate("Describe", words[pip]) : QString();
}

namespace {

QString pair(int first, int second)
{
    if (first == second)
        //: A bone with the same number on both halves, e.g. "Double six"
        return QCoreApplication::translate("Describe", "Double %1").arg(pipWord(first).toLower());
    //: A bone, e.g. "Six and four"
    return QCoreApplication::translate("Describe", "%1 and %2").arg(pipWord(first), pipWord(second).toLower());
}

} // namespace

QString boneName(int bone)
{
    if (!game::isValidBone(bone))
        return {};
    // Players name a bone by its larger end first.
    return pair(game::getbotnum(bone), game::gettopnum(bone));
}

QString lyingBoneName(int bone, bool flip)
{
    if (!game::isValidBone(bone))
        return {};
    const int top = game::gettopnum(bone);
    const int bottom = game::getbotnum(bone);
    return flip ? pair(bottom, top) : pair(top, bottom);
}

QString inSentence(const QString& name) { return name.toLower(); }

namespace {

// A bone of the hand: a list item, selected while raised, focused while the hand's focus ring
// is on it. Its press raises or lowers it, as a click does.
class BoneAccessible : public QAccessibleWidget {
public:
    explicit BoneAccessible(BoneImage* bone) : QAccessibleWidget(bone, QAccessible::ListItem) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = bone()->raised();
        state.focusable = true;
        state.focused = bone()->property("focusring").toBool();
        return state;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit bone()->mouseDown(bone(), Qt::LeftButton);
        else
            QAccessibleWidget::doAction(action);
    }

private:
    BoneImage* bone() const { return static_cast<BoneImage*>(widget()); }
};

// A picture that acts on a click: a button, named by its accessible name or else its tooltip.
class ClickImageAccessible : public QAccessibleWidget {
public:
    explicit ClickImageAccessible(ClickImage* image) : QAccessibleWidget(image, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->toolTip();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            auto* image = static_cast<ClickImage*>(widget());
            if (image->isVisible())
                emit image->clicked(image);
        } else {
            QAccessibleWidget::doAction(action);
        }
    }
};

// The announcer: a notification that appears with each announcement.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(QWidget* label) : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* tableInterfaces(const QString& key, QObject* object)
{
    if (key == QLatin1String("QLabel") && object->objectName() == QLatin1String("announcer"))
        return new AnnouncerAccessible(static_cast<QLabel*>(object));
    if (key == QLatin1String("BoneImage"))
        return new BoneAccessible(static_cast<BoneImage*>(object));
    if (key == QLatin1String("ClickImage"))
        return new ClickImageAccessible(static_cast<ClickImage*>(object));
    return nullptr;
}

} // namespace

void installInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(tableInterfaces);
        return true;
    }();
    (void)installed;
}

namespace {
EventRecorder recorder = nullptr;
} // namespace

void setEventRecorder(EventRecorder newRecorder) { recorder = newRecorder; }

void setTexts(QWidget* widget, const QString& name, const QString& description)
{
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
        noteRaisedByQt(widget, QAccessible::NameChanged);
    }
    if (widget->accessibleDescription() != description) {
        widget->setAccessibleDescription(description);
        noteRaisedByQt(widget, QAccessible::DescriptionChanged);
    }
}

void raise(QAccessibleEvent& event)
{
    if (recorder)
        recorder(&event);
    QAccessible::updateAccessibility(&event);
}

void notify(QWidget* widget, QAccessible::Event type)
{
    QAccessibleEvent event(widget, type);
    raise(event);
}

void noteRaisedByQt(QWidget* widget, QAccessible::Event type)
{
    if (recorder) {
        QAccessibleEvent event(widget, type);
        recorder(&event);
    }
}

} // namespace a11y
