// The per-user settings: the first-run marker and the web address the help pages hang off.
#pragma once

#include <QString>

#include <memory>

class QSettings;

namespace qv {

// Used when the settings name no address of their own.
inline const QString kDefaultWebBase = QStringLiteral("https://quorvane.example.com");

class UserSettings {
public:
    // An INI file at path; it need not exist.
    explicit UserSettings(const QString& path);
    ~UserSettings();
    UserSettings(const UserSettings&) = delete;
    UserSettings& operator=(const UserSettings&) = delete;

    // $XDG_CONFIG_HOME/quorvane/quorvane.ini (~/.config when unset).
    static QString DefaultPath();

    bool HasFirstRunMarker() const;
    // Writes "First" = 1 at once; false when the file cannot be written.
    bool WriteFirstRunMarker();
    // "WebBase" without a trailing "/", else kDefaultWebBase.
    QString WebBase() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace qv
