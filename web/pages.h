// The maker's pages that the program opens in the browser, and the one way it opens them.
#pragma once

#include <QUrl>

namespace vorn {

enum class Page {
    HomePage,
    SoftwareCataloguePage,
    HelpPage,
    DownloadPage,
    DonationPage,
    CoBrandPage,
    FullBrandPage,
};

// The hosts of the maker's main site, the maker's help site and the product's own site, as
// chosen when the program was built.
QString makerHost();
QString helpHost();
QString productHost();

// The fixed address of a page: http, its host, its path.
QUrl pageUrl(Page page);

// Hands url to the desktop's default browser and returns at once. Whether a browser took it
// is not examined: a link that cannot be opened does nothing visible.
void openLink(const QUrl &url);
void openLink(Page page);

} // namespace vorn
