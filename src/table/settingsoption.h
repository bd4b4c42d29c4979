#pragma once
// An option the player chose. Before the load each choice writes its own keys, whatever their
// values: a choice that happens to equal the window's starting state is still the player's.
enum class SettingsOption {
    TextSize,
    TextColour,
    GameStart, // the rounds and the game option, with the start button
    BotSpeed,
    TurnSound,
    PlaySounds,
    ChatterSounds,
    ComputerSkill,
    TurnLimit,
    WindowBounds, // closing a moved or resized window; only ever written once loaded
};
