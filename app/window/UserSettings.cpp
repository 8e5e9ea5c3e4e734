// The per-user settings in an INI file under the user's configuration directory.
#include "app/window/UserSettings.h"

#include <QSettings>
#include <QStandardPaths>

namespace qv {

namespace {

const QString kFirstKey = QStringLiteral("First");
const QString kWebBaseKey = QStringLiteral("WebBase");

} // namespace

UserSettings::UserSettings(const QString& path) : m_settings(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

UserSettings::~UserSettings() = default;

QString UserSettings::DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quorvane/quorvane.ini");
}

bool UserSettings::HasFirstRunMarker() const
{
    return m_settings->contains(kFirstKey);
}

bool UserSettings::WriteFirstRunMarker()
{
    if (!m_settings->isWritable())
        return false;
    m_settings->setValue(kFirstKey, 1);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString UserSettings::WebBase() const
{
    QString base = m_settings->value(kWebBaseKey, kDefaultWebBase).toString().trimmed();
    while (base.endsWith(u'/'))
        base.chop(1);
    return base.isEmpty() ? kDefaultWebBase : base;
}

} // namespace qv
