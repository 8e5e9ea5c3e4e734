// Web page addresses and the desktop's browser.
#include "app/window/WebPages.h"

#include "app/window/UiTexts.h"

#include <QDesktopServices>

namespace qv {

QUrl WebPageUrl(const QString& base, TWebPage page)
{
    return QUrl(base + (page == TWebPage::Help ? QStringLiteral("/help.asp") : QStringLiteral("/dupont.asp")));
}

QUrl RegistrationUrl(const QString& base, const QString& email)
{
    // Built from encoded bytes so that "&", "#", "+" and blanks in the address stay part of the one value.
    const QByteArray query = "mail=" + QUrl::toPercentEncoding(email + kVersionSuffix);
    return QUrl::fromEncoded(QUrl(base).toEncoded() + "/registeruser.asp?" + query, QUrl::StrictMode);
}

void OpenWebPage(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

} // namespace qv
