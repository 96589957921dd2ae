// The per-user settings store: named 32-bit numbers and texts in one file of
// our own format under the user's configuration folder.
#pragma once

#include <QString>
#include <QtGlobal>

// The names of the stored values.
namespace SettingName {
inline const QString level = QStringLiteral("级别");
inline const QString columns = QStringLiteral("横");
inline const QString rows = QStringLiteral("纵");
inline const QString mines = QStringLiteral("雷数");
inline const QString judgeFlags = QStringLiteral("插旗错误");
inline const QString marks = QStringLiteral("标记");
} // namespace SettingName

// Option texts: an option is on exactly when its text is "真".
inline const QString optionOn = QStringLiteral("真");
inline const QString optionOff = QStringLiteral("假");

// Every call opens the store, does its one read or write and closes it again;
// nothing is kept in memory. Failures are silent: a read gives 0 or "", a
// write leaves the store as it was and returns false.
class SettingsStore {
public:
    // 0 when the value is missing or is not a number.
    static qint32 readNumber(const QString& name);
    // "" when the value is missing or is not a text; expandable texts come expanded.
    static QString readText(const QString& name);
    static bool storeNumber(const QString& name, qint32 value);
    static bool storeText(const QString& name, const QString& text);

    // The folder that holds the store's own folder; the user's configuration
    // folder unless set (tests point it at a temporary folder).
    static void setBaseFolder(const QString& folder);
    // The file the store reads and writes.
    static QString fileName();
};
