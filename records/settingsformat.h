// The settings file's own text format: UTF-8, one value a line, each value
// keeping its kind (32-bit number, text, or text expanded from the environment).
#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QSettings>
#include <QString>

class QIODevice;

// A text whose %NAME% references are filled in from the environment when read.
struct ExpandableText {
    QString text;
};
Q_DECLARE_METATYPE(ExpandableText)

// A line the reader could not make sense of. It is written back unchanged,
// so a rewrite never throws away what someone typed or what a crash left.
struct UnreadableLine {
    QByteArray bytes;
};
Q_DECLARE_METATYPE(UnreadableLine)

namespace SettingsFormat {

// Never fails: lines it cannot read are kept as UnreadableLine entries, so
// QSettings always has the file's other values when it merges and rewrites.
bool read(QIODevice& device, QSettings::SettingsMap& map);
bool write(QIODevice& device, const QSettings::SettingsMap& map);

// %NAME% replaced by the environment variable NAME; unknown names stay as written.
QString expandEnvironment(const QString& text);

} // namespace SettingsFormat
