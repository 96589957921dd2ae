// Fuzz target: the settings file reader on any bytes. It never fails, keeps
// the unreadable lines' keys to them, and what it read comes back alike
// through a write and a second read: the same values of the same kinds, and
// the unreadable lines byte for byte in order.
#include "settingsformat.h"

#include <QBuffer>
#include <QList>
#include <QMap>
#include <QSettings>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

struct Reading {
    QSettings::SettingsMap map;
    QMap<QString, QVariant> values;
    QList<QByteArray> unreadable;
};

[[noreturn]] void fail(const char* what, const QString& name = {})
{
    std::fprintf(stderr, "settings file: %s %s\n", what, qPrintable(name));
    std::abort();
}

Reading readFile(const QByteArray& bytes)
{
    QBuffer file;
    file.setData(bytes);
    file.open(QIODevice::ReadOnly);
    Reading reading;
    if (!SettingsFormat::read(file, reading.map))
        fail("read reported a failure");

    for (auto it = reading.map.cbegin(); it != reading.map.cend(); ++it) {
        // Keys from \x01 on belong to unreadable lines; a value there has pushed one out.
        const bool unreadable = it.value().typeId() == qMetaTypeId<UnreadableLine>();
        if (it.key().startsWith(u'\x01') != unreadable)
            fail("a value and an unreadable line share the keys:", it.key());
        if (unreadable)
            reading.unreadable.append(it.value().value<UnreadableLine>().bytes);
        else
            reading.values.insert(it.key(), it.value());
        if (it.value().typeId() == qMetaTypeId<ExpandableText>())
            SettingsFormat::expandEnvironment(it.value().value<ExpandableText>().text);
    }
    return reading;
}

// What QSettings does when it rewrites the file: the map read, written back.
QByteArray writeFile(const Reading& reading)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    if (!SettingsFormat::write(file, reading.map))
        fail("write reported a failure");
    return file.data();
}

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.typeId() != b.typeId())
        return false;
    if (a.typeId() == qMetaTypeId<ExpandableText>())
        return a.value<ExpandableText>().text == b.value<ExpandableText>().text;
    if (a.typeId() == QMetaType::Int)
        return a.toInt() == b.toInt();
    return a.toString() == b.toString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Reading first = readFile(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const Reading second = readFile(writeFile(first));

    if (second.unreadable != first.unreadable)
        fail("unreadable lines changed through a write");
    for (auto it = first.values.cbegin(); it != first.values.cend(); ++it) {
        if (!second.values.contains(it.key()))
            fail("a value was lost through a write:", it.key());
        if (!sameValue(second.values.value(it.key()), it.value()))
            fail("a value changed through a write:", it.key());
    }
    if (second.values.size() != first.values.size())
        fail("values appeared through a write");
    return 0;
}
