#include "table/settings.h"

#include "game/message.h"
#include "table/colourtext.h"

#include <algorithm>
#include <iterator>

namespace {

const QString kBoundKeys[] = {QStringLiteral("Top"), QStringLiteral("Left"), QStringLiteral("Width"),
                              QStringLiteral("Height")};

bool isBoundKey(const QString& key)
{
    return std::find(std::begin(kBoundKeys), std::end(kBoundKeys), key) != std::end(kBoundKeys);
}

QString phraseKey(int n) { return QStringLiteral("Phrase%1").arg(n); }

const QString kComputerSkillKey = QStringLiteral("Computerskill");

std::optional<int> integerOf(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    return game::parseInt(text->toStdString());
}

// Far beyond any desktop, and small enough that a rectangle's corners cannot overflow.
bool plausibleCoordinate(int value) { return value > -1'000'000 && value < 1'000'000; }

std::optional<QString> valueOf(const ini::KeyValues& values, const QString& key)
{
    for (const auto& [name, value] : values)
        if (name == key)
            return value;
    return std::nullopt;
}

} // namespace

TableSettings::TableSettings(const QString& filePath, SettingsTarget& target)
    : file_(filePath), target_(target), optionsSeen_(currentOptions()), phrasesSeen_(currentPhrases())
{
}

void TableSettings::load()
{
    const ini::SectionValues values = file_.readSection(QString::fromLatin1(kSection));
    const auto integer = [&](const QString& key, int missing) {
        return integerOf(values.value(key)).value_or(missing);
    };

    int textSize = integer(QStringLiteral("Textsize"), 8);
    // No font has a size of zero or less; such a value is as unreadable as any other text.
    if (textSize <= 0)
        textSize = 8;

    const int top = integer(QStringLiteral("Top"), kDefaultBounds.top());
    const int left = integer(QStringLiteral("Left"), kDefaultBounds.left());
    const int width = integer(QStringLiteral("Width"), kDefaultBounds.width());
    const int height = integer(QStringLiteral("Height"), kDefaultBounds.height());
    const bool plausible = plausibleCoordinate(top) && plausibleCoordinate(left) && plausibleCoordinate(width) &&
                           plausibleCoordinate(height);
    target_.setWindowBounds(plausible ? QRect(left, top, width, height) : kDefaultBounds);

    target_.applyTextSize(textSize);

    const QString colourText = values.value(QStringLiteral("Textcolor"), QStringLiteral("clblack"));
    const std::uint32_t colour = readColourText(colourText.toStdString()).value_or(0);
    target_.setChatColour(QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)));

    const QString rounds = values.value(QStringLiteral("Playtoscore"), QStringLiteral("10"));
    if (const auto number = integerOf(rounds))
        target_.setRounds(*number);
    if (const auto option = integerOf(values.value(QStringLiteral("Newcomers"), QStringLiteral("1"))))
        target_.setNewcomers(*option == 2 || *option == 3 ? *option : 1);

    const auto speed = values.value(QStringLiteral("Botspeed"));
    target_.setBotSpeed(speed == QStringLiteral("2000") ? 2000 : speed == QStringLiteral("500") ? 500 : 1000);

    for (int n = 1; n <= kPhraseCount; ++n) {
        const QString phrase = values.value(phraseKey(n), QString());
        if (!phrase.isEmpty())
            target_.setPhrase(n, phrase);
    }

    target_.setTurnSound(values.value(QStringLiteral("Turnsound")) == QStringLiteral("1") ? 1 : 0);
    target_.setPlaySounds(values.value(QStringLiteral("Playsounds")) != QStringLiteral("false"));
    target_.setChatterSounds(values.value(QStringLiteral("ChatterSounds")) != QStringLiteral("false"));
    target_.setComputerSkill(values.value(kComputerSkillKey) == QStringLiteral("1") ? 1 : 0);
    loaded_ = true;
}

ini::KeyValues TableSettings::currentOptions() const
{
    ini::KeyValues values;
    if (const auto size = target_.textSize())
        values.append({QStringLiteral("Textsize"), QString::number(*size)});
    const QRect bounds = target_.windowBounds();
    values.append({QStringLiteral("Top"), QString::number(bounds.top())});
    values.append({QStringLiteral("Left"), QString::number(bounds.left())});
    values.append({QStringLiteral("Width"), QString::number(bounds.width())});
    values.append({QStringLiteral("Height"), QString::number(bounds.height())});
    if (const auto colour = target_.chatColourText())
        values.append({QStringLiteral("Textcolor"), *colour});
    values.append({QStringLiteral("Playtoscore"), QString::number(target_.rounds())});
    values.append({QStringLiteral("Newcomers"), QString::number(target_.newcomers())});
    values.append({QStringLiteral("Botspeed"), QString::number(target_.botSpeed())});
    values.append({QStringLiteral("Turnsound"), QString::number(target_.turnSound())});
    const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    values.append({QStringLiteral("ChatterSounds"), flag(target_.chatterSounds())});
    values.append({QStringLiteral("Playsounds"), flag(target_.playSounds())});
    // Written once Strong has been chosen: until then the section stays exactly as copies
    // without the option write it.
    if (const auto skill = target_.computerSkill();
        skill && (*skill != 0 || file_.readSection(QString::fromLatin1(kSection)).value(kComputerSkillKey)))
        values.append({kComputerSkillKey, QString::number(*skill)});
    return values;
}

ini::KeyValues TableSettings::currentPhrases() const
{
    ini::KeyValues values;
    for (int n = 1; n <= kPhraseCount; ++n)
        if (const auto phrase = target_.phrase(n))
            values.append({phraseKey(n), *phrase});
    return values;
}

bool TableSettings::save()
{
    ini::KeyValues current = currentOptions();
    if (!loaded_)
        current.removeIf([](const auto& entry) { return isBoundKey(entry.first); });
    return write(current, optionsSeen_, optionsChanged_);
}

bool TableSettings::savePhrases() { return write(currentPhrases(), phrasesSeen_, phrasesChanged_); }

bool TableSettings::write(const ini::KeyValues& current, ini::KeyValues& lastSeen, QStringList& changed)
{
    if (loaded_)
        return file_.writeSection(QString::fromLatin1(kSection), current);
    // Before the load the file holds the player's choices of earlier runs; the state shown is the
    // window's design. Only what the player changed since the start may replace what is stored.
    for (const auto& [key, value] : current)
        if (valueOf(lastSeen, key) != value && !changed.contains(key))
            changed.append(key);
    lastSeen = current;
    ini::KeyValues chosen;
    for (const auto& entry : current)
        if (changed.contains(entry.first))
            chosen.append(entry);
    if (chosen.isEmpty())
        return true;
    return file_.writeSection(QString::fromLatin1(kSection), chosen);
}
