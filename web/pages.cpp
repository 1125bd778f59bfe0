#include "pages.h"

#include "web_config.h"

#include <QDesktopServices>

namespace vorn {

QString makerHost()
{
    return QStringLiteral(VORN_MAKER_HOST);
}

QString helpHost()
{
    return QStringLiteral(VORN_HELP_HOST);
}

QString productHost()
{
    return QStringLiteral(VORN_PRODUCT_HOST);
}

QUrl pageUrl(Page page)
{
    QString host;
    QString path;
    switch (page) {
    case Page::HomePage:
        host = makerHost();
        break;
    case Page::SoftwareCataloguePage:
        host = makerHost();
        path = QStringLiteral("/lorewellsoftwares");
        break;
    case Page::HelpPage:
        host = productHost();
        path = QStringLiteral("/vorn-free-color-numerology-help.html");
        break;
    case Page::DownloadPage:
        host = productHost();
        path = QStringLiteral("/download-vorn-free-color-numerology.html");
        break;
    case Page::DonationPage:
        host = helpHost();
        path = QStringLiteral("/donate.html");
        break;
    case Page::CoBrandPage:
        host = helpHost();
        path = QStringLiteral("/co-brand.html");
        break;
    case Page::FullBrandPage:
        host = helpHost();
        path = QStringLiteral("/fully-branded.html");
        break;
    }
    return QUrl(QStringLiteral("http://") + host + path, QUrl::StrictMode);
}

void openLink(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void openLink(Page page)
{
    openLink(pageUrl(page));
}

} // namespace vorn
