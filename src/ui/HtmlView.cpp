#include "HtmlView.h"

#include "Fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <array>

using namespace Qt::StringLiterals;

namespace
{

// Pixel sizes a browser gives <font size='1'> to size='7'.
constexpr std::array<int, 7> BrowserFontSizes{10, 13, 16, 18, 24, 32, 48};
constexpr int BrowserBodyMargin = 8;
constexpr int BrowserCellSpacing = 2;
constexpr int BrowserCellPadding = 1;
constexpr int CentredTable = QTextFormat::UserProperty;

// Qt's importer drops a table's CSS margin-top; a browser keeps it.
QList<int> tableTopMargins(const QString &html)
{
    static const QRegularExpression table(uR"(<table\b[^>]*>)"_s,
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression margin(uR"(margin-top\s*:\s*(\d+)px)"_s,
                                           QRegularExpression::CaseInsensitiveOption);
    QList<int> margins;
    for (const auto &tag : table.globalMatch(html)) {
        const auto m = margin.match(tag.captured());
        margins << (m.hasMatch() ? m.captured(1).toInt() : 0);
    }
    return margins;
}

// Browser font sizes, and Times New Roman's metric twin where the face itself is missing.
void applyBrowserFonts(QTextDocument *document)
{
    const QStringList serifFaces = Fonts::serif(16).families();
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            const int size = 3 + format.intProperty(QTextFormat::FontSizeAdjustment);
            format.setProperty(QTextFormat::FontPixelSize,
                               BrowserFontSizes.at(std::clamp(size, 1, 7) - 1));
            format.clearProperty(QTextFormat::FontSizeAdjustment);
            if (format.fontFamilies().toStringList().contains(u"Times New Roman"_s))
                format.setFontFamilies(serifFaces);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
}

// Qt keeps <center> as an empty centred paragraph before the table instead of centring the
// table; its own table centring is off by a few pixels too. Note such tables for centring by
// margin, and let that paragraph take no room, as in a browser.
void applyBrowserTables(QTextDocument *document, const QList<int> &topMargins)
{
    int index = 0;
    for (QTextFrame *frame : document->rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setCellSpacing(BrowserCellSpacing);
        format.setCellPadding(BrowserCellPadding);
        format.setTopMargin(topMargins.value(index++));
        const QTextBlock before = document->findBlock(table->firstPosition() - 1);
        if (before.isValid() && before.text().isEmpty() &&
            before.blockFormat().alignment() & Qt::AlignHCenter) {
            format.setProperty(CentredTable, true);
            QTextCursor cursor(before);
            QTextBlockFormat collapsed = before.blockFormat();
            collapsed.setLineHeight(0, QTextBlockFormat::FixedHeight);
            collapsed.setTopMargin(0);
            collapsed.setBottomMargin(0);
            cursor.setBlockFormat(collapsed);
        }
        table->setFormat(format);
    }
}

// Read as static text, the page's words only: Qt's own text interface for the view passes on
// the document's internal frame markers.
class AccessiblePage : public QAccessibleWidget
{
public:
    explicit AccessiblePage(HtmlView *view) : QAccessibleWidget(view, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name || t == QAccessible::Value)
            return static_cast<const HtmlView *>(widget())->pageText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *accessiblePage(const QString &className, QObject *object)
{
    if (className == QLatin1String(HtmlView::staticMetaObject.className()) && object)
        return new AccessiblePage(static_cast<HtmlView *>(object));
    return nullptr;
}

} // namespace

HtmlView::HtmlView(QWidget *parent) : QTextBrowser(parent)
{
    [[maybe_unused]] static const bool accessible = [] {
        QAccessible::installFactory(accessiblePage);
        return true;
    }();
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setOpenLinks(false);
    setFocusPolicy(Qt::NoFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    setTextInteractionFlags(Qt::NoTextInteraction);
    viewport()->setCursor(Qt::ArrowCursor);
    // A browser's page: white, black text, serif at 16 px.
    QPalette page = palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    setPalette(page);
    document()->setDefaultFont(Fonts::serif(16));
}

void HtmlView::navigate(const QString &url)
{
    clear();
    const QString scheme = u"about:"_s;
    if (!url.startsWith(scheme))
        return;
    const QString html = url.mid(scheme.size());
    setHtml(html);
    QTextDocument *page = document();
    page->setDocumentMargin(BrowserBodyMargin);
    applyBrowserTables(page, tableTopMargins(html));
    applyBrowserFonts(page);
    centreTables();
}

QString HtmlView::pageText() const
{
    QString text = toPlainText();
    // Paragraph and line breaks read as spaces; the Unicode non-characters the document uses
    // for its frames do not read at all.
    for (QChar &c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n')
            c = u' ';
    text.removeIf([](QChar c) { return c.unicode() >= 0xFDD0 && c.unicode() <= 0xFDEF; });
    return text.simplified();
}

void HtmlView::resizeEvent(QResizeEvent *event)
{
    QTextBrowser::resizeEvent(event);
    centreTables();
}

void HtmlView::centreTables()
{
    QTextDocument *page = document();
    const qreal available = page->textWidth() - 2 * page->documentMargin();
    for (QTextFrame *frame : page->rootFrame()->childFrames()) {
        auto *table = qobject_cast<QTextTable *>(frame);
        if (!table || !table->format().boolProperty(CentredTable))
            continue;
        QTextTableFormat format = table->format();
        format.setLeftMargin(0);
        table->setFormat(format);
        const qreal width = page->documentLayout()->frameBoundingRect(table).width();
        format.setLeftMargin(std::max<qreal>(0, (available - width) / 2));
        table->setFormat(format);
    }
}
