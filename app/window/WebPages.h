// The product's web pages: their addresses under the configured base, and opening them in the browser.
#pragma once

#include <QString>
#include <QUrl>

#include <cstdint>

namespace qv {

enum class TWebPage : uint8_t {
    Help,   // "联机支持": /help.asp
    DuPont, // "杜邦指标在线知识": /dupont.asp
};

// base (scheme and host, no trailing "/") followed by the page's path.
QUrl WebPageUrl(const QString& base, TWebPage page);
// The registration page with the address as typed (blanks kept) plus the version, percent-encoded into the query.
QUrl RegistrationUrl(const QString& base, const QString& email);
// Hands the address to the desktop's browser; whether that worked is not checked.
void OpenWebPage(const QUrl& url);

} // namespace qv
