// Choosing and creating the data directory.
#include "app/window/DataDirectory.h"

#include "platform/Errors.h"

#include <QStandardPaths>

#include <filesystem>

namespace qv {

std::string ResolveDataDirectory(const std::optional<std::string>& given)
{
    const std::filesystem::path directory =
        given ? std::filesystem::path(*given)
              : std::filesystem::path(
                    QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString()) /
                    "quorvane";
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error || !std::filesystem::is_directory(directory))
        throw EFileError("Cannot use \"" + directory.string() + "\" as the data directory. " +
                         (error ? error.message() : std::string("It is not a directory.")));
    return directory.string();
}

} // namespace qv
