// The settings store on QSettings: QSettings finds the file, locks it against
// other processes, merges their changes and replaces the file atomically.
#include "settingsstore.h"

#include "settingsformat.h"

#include <QSettings>

#include <memory>

namespace {

const QString organisation = QStringLiteral("Quadrel的扫雷");
const QString application = QStringLiteral("用户设置");

QSettings::Format storeFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("conf"), &SettingsFormat::read, &SettingsFormat::write, Qt::CaseSensitive);
    return format;
}

std::unique_ptr<QSettings> openStore()
{
    auto settings = std::make_unique<QSettings>(storeFormat(), QSettings::UserScope, organisation, application);
    // One file only: no organisation-wide or system-wide values mixed in.
    settings->setFallbacksEnabled(false);
    return settings;
}

bool store(const QString& name, const QVariant& value)
{
    const std::unique_ptr<QSettings> settings = openStore();
    settings->setValue(name, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace

qint32 SettingsStore::readNumber(const QString& name)
{
    const QVariant value = openStore()->value(name);
    return value.typeId() == QMetaType::Int ? value.toInt() : 0;
}

QString SettingsStore::readText(const QString& name)
{
    const QVariant value = openStore()->value(name);
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (value.typeId() == qMetaTypeId<ExpandableText>())
        return SettingsFormat::expandEnvironment(value.value<ExpandableText>().text);
    return QString();
}

bool SettingsStore::storeNumber(const QString& name, qint32 value)
{
    return store(name, QVariant(int(value)));
}

bool SettingsStore::storeText(const QString& name, const QString& text)
{
    return store(name, QVariant(text));
}

void SettingsStore::setBaseFolder(const QString& folder)
{
    QSettings::setPath(storeFormat(), QSettings::UserScope, folder);
}

QString SettingsStore::fileName()
{
    return openStore()->fileName();
}
