#include "pages.h"

#include "web_config.h"

#include <QDesktopServices>

namespace vorn {

QString MakerHost()
{
    return QStringLiteral(VORN_MAKER_HOST);
}

QString HelpHost()
{
    return QStringLiteral(VORN_HELP_HOST);
}

QString ProductHost()
{
    return QStringLiteral(VORN_PRODUCT_HOST);
}

QUrl PageUrl(Page page)
{
    QString host;
    QString path;
    switch (page) {
    case Page::HomePage:
        host = MakerHost();
        break;
    case Page::SoftwareCataloguePage:
        host = MakerHost();
        path = QStringLiteral("/lorewellsoftwares");
        break;
    case Page::HelpPage:
        host = ProductHost();
        path = QStringLiteral("/vorn-free-color-numerology-help.html");
        break;
    case Page::DownloadPage:
        host = ProductHost();
        path = QStringLiteral("/download-vorn-free-color-numerology.html");
        break;
    case Page::DonationPage:
        host = HelpHost();
        path = QStringLiteral("/donate.html");
        break;
    case Page::CoBrandPage:
        host = HelpHost();
        path = QStringLiteral("/co-brand.html");
        break;
    case Page::FullBrandPage:
        host = HelpHost();
        path = QStringLiteral("/fully-branded.html");
        break;
    }
    return QUrl(QStringLiteral("http://") + host + path, QUrl::StrictMode);
}

void OpenLink(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void OpenLink(Page page)
{
    OpenLink(PageUrl(page));
}

} // namespace vorn
