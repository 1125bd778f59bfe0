#include "document.h"

#include "reading.h"
#include "swatches.h"
#include "texts.h"
#include "working.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextDocument>
#include <array>
#include <memory>

using namespace Qt::StringLiterals;

namespace vorn {

namespace {

// The reading's pages are laid out at 96 dots per inch, whatever they are printed on.
QPaintDevice *ninetySixDpi()
{
    static QImage image = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    return &image;
}

QFont bodyFont()
{
    QFont font(u"DejaVu Sans"_s);
    font.setPointSizeF(9);
    return font;
}

// Lengths in pixels of 1/96 inch: the document is laid out at 96 dots per inch.
const QString &styleSheet()
{
    static const QString sheet
        = u"h1 { font-size: 16pt; color: #b00000; margin-top: 0; margin-bottom: 2px; }"
          u"p.heading { margin-top: 10px; margin-bottom: 2px; }"
          u"p { margin-top: 0; margin-bottom: 3px; line-height: 90%; }"
          u"p.person { font-size: 10pt; margin-bottom: 2px; }"
          u"p.intro { font-style: italic; color: #404040; }"
          u"table { margin-top: 2px; margin-bottom: 1px; }"
          u"td { padding-right: 6px; }"_s;
    return sheet;
}

QUrl swatchUrl(int picture)
{
    return QUrl(u"swatch:"_s + QString::number(picture));
}

// Each swatch decoded once, for every page the program lays out.
const QImage &swatchImage(int picture)
{
    static const std::array<QImage, SwatchCount> images = [] {
        std::array<QImage, SwatchCount> decoded;
        for (int i = 1; i <= SwatchCount; ++i)
            decoded[static_cast<std::size_t>(i - 1)] = QImage(swatchPath(i));
        return decoded;
    }();
    return images.at(static_cast<std::size_t>(picture - 1));
}

// A pasted name may run to thousands of letters, which would push the reading onto many pages:
// the page shows as much of it as one line of A4 holds between the side margins, ended by an
// ellipsis. The numbers and their working still count every letter.
QString pageName(const Reading &reading)
{
    QFont font = bodyFont();
    font.setPointSizeF(10);
    font.setBold(true);
    constexpr qreal A4TextWidth = (210 - 2 * 15) / 25.4 * 96;
    return QFontMetricsF(font, ninetySixDpi())
        .elidedText(reading.person(), Qt::ElideRight, A4TextWidth);
}

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString paragraph(const QString &text, const QString &cssClass = {})
{
    const QString opening = cssClass.isEmpty() ? u"<p>"_s : u"<p class=\""_s + cssClass + u"\">"_s;
    return opening + text + u"</p>"_s;
}

QString colorHtml(const QString &caption, const Color &color)
{
    const QString swatch = u"<img src=\""_s + swatchUrl(color.picture).toString()
        + u"\" width=\"14\" height=\"14\">"_s;
    QString html = u"<table cellspacing=\"0\"><tr><td>"_s + swatch + u"</td><td><b>"_s + caption
        + u":</b> "_s + escaped(color.name) + u"</td></tr></table>"_s;
    if (color.description)
        html += paragraph(escaped(*color.description));
    return html;
}

// How the number was found shares the heading's line, which has room for it. (A heading element
// would enlarge everything in it.)
QString headingHtml(const Section &section)
{
    return paragraph(u"<span style=\"font-size: 11pt; font-weight: bold; color: #00007f\">"_s
                         + section.title() + u" &nbsp;"_s + section.shown
                         + u"</span>&nbsp;&nbsp; <span style=\"color: #404040; font-size: 8pt\">"_s
                         + workingHtml(section.working) + u"</span>"_s,
                     u"heading"_s);
}

QString sectionHtml(const Section &section)
{
    QString html = headingHtml(section);
    if (section.hasReading()) {
        html += colorHtml(primaryColorCaption(), *section.primary)
            + colorHtml(secondaryColorCaption(), *section.secondary)
            + paragraph(u"<b>"_s + keywordsCaption() + u":</b> "_s + escaped(section.keywords));
    }
    html += paragraph(escaped(section.introduction), u"intro"_s);
    if (!section.interpretation.isEmpty())
        html += paragraph(escaped(section.interpretation));
    return html;
}

QString readingHtml(const Reading &reading)
{
    QString html = u"<h1>"_s + applicationTitle() + u"</h1>"_s
        + paragraph(u"A reading for <b>"_s + escaped(pageName(reading)) + u"</b>, born "_s
                        + reading.birthDate() + u"."_s,
                    u"person"_s);
    for (const Section &section : reading.sections)
        html += sectionHtml(section);
    return html;
}

// The reading laid out on pages of the layout's printable size, and printed as it is paginated
// here: without the page numbers and margins of an unpaginated document.
std::unique_ptr<QTextDocument> readingPages(const Reading &reading, const QPageLayout &layout)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(bodyFont());
    document->setDocumentMargin(0);
    document->setDefaultStyleSheet(styleSheet());
    for (const Section &section : reading.sections) {
        for (const std::optional<Color> &color : {section.primary, section.secondary}) {
            if (color)
                document->addResource(QTextDocument::ImageResource, swatchUrl(color->picture),
                                      swatchImage(color->picture));
        }
    }
    document->setHtml(readingHtml(reading));
    document->documentLayout()->setPaintDevice(ninetySixDpi());
    document->setPageSize(layout.paintRect(QPageLayout::Point).size() * (96.0 / 72.0));
    return document;
}

} // namespace

QPageSize localePageSize()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

void paintReading(const Reading &reading, QPagedPaintDevice &device)
{
    device.setPageMargins(QMarginsF(15, 10, 15, 10), QPageLayout::Millimeter);
    readingPages(reading, device.pageLayout())->print(&device);
}

bool writeReadingPdf(const Reading &reading, QIODevice &device, const QPageSize &paper)
{
    if (!device.isWritable())
        return false;
    QPdfWriter writer(&device);
    writer.setPageSize(paper);
    writer.setTitle(applicationTitle() + u": " + reading.person());
    writer.setCreator(windowCaption());
    paintReading(reading, writer);
    return true;
}

QString readingFileName(const Reading &reading)
{
    QStringList parts;
    for (const QString &name : {reading.firstName, reading.lastName}) {
        QString part = name.trimmed();
        part.replace(u'/', u'-').replace(u'\\', u'-');
        for (QChar &c : part) {
            if (c.category() == QChar::Other_Control)
                c = u'-';
        }
        if (!part.isEmpty())
            parts << part;
    }
    parts << u"reading.pdf"_s;
    QString fileName = parts.join(u'-');
    while (fileName.startsWith(u'.'))
        fileName.remove(0, 1);
    return fileName;
}

} // namespace vorn
