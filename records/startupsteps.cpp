// Start-up and shut-down against the settings store.
#include "startupsteps.h"

#include "fieldsize.h"
#include "settingsstore.h"

namespace {

// The game's fields are 16 bits wide; the store keeps 32.
std::int16_t low16(qint32 value)
{
    return std::int16_t(quint16(quint32(value) & 0xffffu));
}

bool isOn(const QString& name)
{
    return SettingsStore::readText(name) == optionOn;
}

} // namespace

std::optional<MenuOptions> restoreSettings(Game& game, GameView& view)
{
    if (SettingsStore::readNumber(SettingName::level) == 0) {
        game.selectLevel(Levels::Intermediate);
        return std::nullopt;
    }

    GameSession& session = game.session();
    const Level level = low16(SettingsStore::readNumber(SettingName::level));
    if (level == Levels::Custom) {
        const std::int16_t columns = low16(SettingsStore::readNumber(SettingName::columns));
        const std::int16_t rows = low16(SettingsStore::readNumber(SettingName::rows));
        const std::int16_t mines = low16(SettingsStore::readNumber(SettingName::mines));
        if (FieldLimits::isPlayable(columns, rows, mines)) {
            session.level = level;
            session.columns = columns;
            session.rows = rows;
            session.mines = mines;
            view.setLevelChecks(Levels::Custom);
            view.layoutForField();
        } else {
            // A hand-edited or damaged size the game cannot lay out or fill.
            game.selectLevel(Levels::Intermediate);
        }
    } else if (level == Levels::Beginner || level == Levels::Intermediate) {
        game.selectLevel(level);
    } else {
        game.selectLevel(Levels::Expert);
    }

    return MenuOptions{isOn(SettingName::judgeFlags), isOn(SettingName::marks)};
}

void saveSettings(const GameSession& session, const MenuOptions& options)
{
    if (session.level == Levels::Custom) {
        SettingsStore::storeNumber(SettingName::columns, session.columns);
        SettingsStore::storeNumber(SettingName::rows, session.rows);
        SettingsStore::storeNumber(SettingName::mines, session.mines);
    }
    SettingsStore::storeNumber(SettingName::level, session.level);
    SettingsStore::storeText(SettingName::judgeFlags, options.judgeFlags ? optionOn : optionOff);
    SettingsStore::storeText(SettingName::marks, options.marks ? optionOn : optionOff);
}
