#include "platform/qsettings_registry.h"

#include <QSettings>
#include <QString>
#include <QVariant>

namespace veltrano {
namespace {

QString settingsKey(const RegistryKey& key, const std::string& name) {
    return QString::fromStdString(key.section) + QLatin1Char('/') + QString::fromStdString(name);
}

} // namespace

std::optional<std::string> QSettingsRegistry::readString(const RegistryKey& key,
                                                         const std::string& name) const {
    const QSettings settings(QString::fromStdString(key.vendor),
                             QString::fromStdString(key.product));
    const QVariant value = settings.value(settingsKey(key, name));
    if (!value.isValid())
        return std::nullopt;
    return value.toString().toStdString();
}

bool QSettingsRegistry::writeString(const RegistryKey& key, const std::string& name,
                                    const std::string& value) {
    QSettings settings(QString::fromStdString(key.vendor), QString::fromStdString(key.product));
    if (settings.status() != QSettings::NoError || !settings.isWritable())
        return false;
    settings.setValue(settingsKey(key, name), QString::fromStdString(value));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace veltrano
