#include "table/settings.h"

#include "game/message.h"
#include "table/colourtext.h"

namespace {

QString phraseKey(int n) { return QStringLiteral("Phrase%1").arg(n); }

const QString kComputerSkillKey = QStringLiteral("Computerskill");
const QString kTurnLimitKey = QStringLiteral("Turnlimit");

QStringList keysOf(SettingsOption option)
{
    switch (option) {
    case SettingsOption::TextSize: return {QStringLiteral("Textsize")};
    case SettingsOption::TextColour: return {QStringLiteral("Textcolor")};
    case SettingsOption::GameStart: return {QStringLiteral("Playtoscore"), QStringLiteral("Newcomers")};
    case SettingsOption::BotSpeed: return {QStringLiteral("Botspeed")};
    case SettingsOption::TurnSound: return {QStringLiteral("Turnsound")};
    case SettingsOption::PlaySounds: return {QStringLiteral("Playsounds")};
    case SettingsOption::ChatterSounds: return {QStringLiteral("ChatterSounds")};
    case SettingsOption::ComputerSkill: return {kComputerSkillKey};
    case SettingsOption::TurnLimit: return {kTurnLimitKey};
    case SettingsOption::WindowBounds: break;
    }
    return {};
}

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
    : file_(filePath), target_(target), phrasesSeen_(currentPhrases())
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
    target_.setChatColour(colourFromValue(readColourText(colourText.toStdString()).value_or(0)));

    const QString rounds = values.value(QStringLiteral("Playtoscore"), QStringLiteral("10"));
    if (const auto number = integerOf(rounds))
        target_.setRounds(*number);
    if (const auto option = integerOf(values.value(QStringLiteral("Newcomers"), QStringLiteral("1"))))
        target_.setNewcomers(*option == 2 || *option == 3 ? *option : 1);

    const auto speed = values.value(QStringLiteral("Botspeed"));
    target_.setBotSpeed(speed == QStringLiteral("2000") ? 2000 : speed == QStringLiteral("500") ? 500 : 1000);

    for (int n = 1; n <= kPhraseCount; ++n) {
        const QString phrase = values.value(phraseKey(n), QString());
        auto& loaded = loadedPhrases_[static_cast<std::size_t>(n - 1)];
        loaded.reset();
        if (phrase.isEmpty())
            continue;
        target_.setPhrase(n, phrase);
        loaded = LoadedPhrase{phrase, target_.phrase(n)};
    }

    target_.setTurnSound(values.value(QStringLiteral("Turnsound")) == QStringLiteral("1") ? 1 : 0);
    target_.setPlaySounds(values.value(QStringLiteral("Playsounds")) != QStringLiteral("false"));
    target_.setChatterSounds(values.value(QStringLiteral("ChatterSounds")) != QStringLiteral("false"));
    target_.setComputerSkill(values.value(kComputerSkillKey) == QStringLiteral("1") ? 1 : 0);
    // Only the menu's own values, written as they are: anything else is no limit.
    const QString limit = values.value(kTurnLimitKey, QString());
    int seconds = 0;
    for (const int allowed : {30, 60, 120})
        if (limit == QString::number(allowed))
            seconds = allowed;
    target_.setTurnLimit(seconds);
    loaded_ = true;
}

ini::KeyValues TableSettings::currentOptions() const
{
    ini::KeyValues values;
    values.append({QStringLiteral("Textsize"), QString::number(target_.textSize())});
    const QRect bounds = target_.windowBounds();
    values.append({QStringLiteral("Top"), QString::number(bounds.top())});
    values.append({QStringLiteral("Left"), QString::number(bounds.left())});
    values.append({QStringLiteral("Width"), QString::number(bounds.width())});
    values.append({QStringLiteral("Height"), QString::number(bounds.height())});
    values.append({QStringLiteral("Textcolor"), target_.chatColourText()});
    values.append({QStringLiteral("Playtoscore"), QString::number(target_.rounds())});
    values.append({QStringLiteral("Newcomers"), QString::number(target_.newcomers())});
    values.append({QStringLiteral("Botspeed"), QString::number(target_.botSpeed())});
    values.append({QStringLiteral("Turnsound"), QString::number(target_.turnSound())});
    const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    values.append({QStringLiteral("ChatterSounds"), flag(target_.chatterSounds())});
    values.append({QStringLiteral("Playsounds"), flag(target_.playSounds())});
    // Written once Strong has been chosen: until then the section stays exactly as copies
    // without the option write it.
    const ini::SectionValues stored = file_.readSection(QString::fromLatin1(kSection));
    if (const int skill = target_.computerSkill(); skill != 0 || stored.value(kComputerSkillKey))
        values.append({kComputerSkillKey, QString::number(skill)});
    // Likewise once a limit has been chosen.
    if (const int limit = target_.turnLimit(); limit != 0 || stored.value(kTurnLimitKey))
        values.append({kTurnLimitKey, QString::number(limit)});
    return values;
}

ini::KeyValues TableSettings::currentPhrases() const
{
    ini::KeyValues values;
    for (int n = 1; n <= kPhraseCount; ++n) {
        QString text = target_.phrase(n);
        // The button may have kept less than the file held; unchanged, the file keeps it all.
        if (const auto& loaded = loadedPhrases_[static_cast<std::size_t>(n - 1)]; loaded && text == loaded->shown)
            text = loaded->stored;
        values.append({phraseKey(n), text});
    }
    return values;
}

bool TableSettings::save(SettingsOption option)
{
    if (loaded_)
        return write(currentOptions());
    // Before the load the file holds the player's choices of earlier runs and the state shown is
    // the window's design: only what the player chose since the start may replace what is stored.
    for (const QString& key : keysOf(option))
        if (!optionsChosen_.contains(key))
            optionsChosen_.append(key);
    ini::KeyValues chosen = currentOptions();
    chosen.removeIf([this](const auto& entry) { return !optionsChosen_.contains(entry.first); });
    return write(chosen);
}

bool TableSettings::savePhrases()
{
    const ini::KeyValues current = currentPhrases();
    if (loaded_)
        return write(current);
    // The editor hands over all nine: those that differ from what was shown are the player's.
    for (const auto& [key, value] : current)
        if (valueOf(phrasesSeen_, key) != value && !phrasesChanged_.contains(key))
            phrasesChanged_.append(key);
    phrasesSeen_ = current;
    ini::KeyValues changed = current;
    changed.removeIf([this](const auto& entry) { return !phrasesChanged_.contains(entry.first); });
    return write(changed);
}

bool TableSettings::write(const ini::KeyValues& values)
{
    if (values.isEmpty())
        return true;
    return file_.writeSection(QString::fromLatin1(kSection), values);
}
