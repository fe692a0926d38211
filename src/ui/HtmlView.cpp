// SPDX-FileCopyrightText: 2026 Команда Чуйкомера
// SPDX-License-Identifier: GPL-3.0-or-later

#include "HtmlView.h"

#include "Fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>
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

// "margin-top: 3px" in a tag's text, in pixels; 0 when it says none.
int marginTop(QStringView tag)
{
    const QStringView property = u"margin-top";
    const qsizetype at = tag.indexOf(property, 0, Qt::CaseInsensitive);
    if (at < 0)
        return 0;
    QStringView rest = tag.sliced(at + property.size()).trimmed();
    if (!rest.startsWith(u':'))
        return 0;
    rest = rest.sliced(1).trimmed();
    qsizetype digits = 0;
    while (digits < rest.size() && rest[digits].isDigit())
        ++digits;
    return digits > 0 && rest.sliced(digits).startsWith(u"px", Qt::CaseInsensitive)
               ? rest.first(digits).toInt()
               : 0;
}

// Qt's importer drops a table's CSS margin-top; a browser keeps it. Read by hand: a regular
// expression here would cost a tenth of the window's start-up memory.
QList<int> tableTopMargins(QStringView html)
{
    QList<int> margins;
    for (qsizetype at = html.indexOf(u"<table", 0, Qt::CaseInsensitive); at >= 0;
         at = html.indexOf(u"<table", at + 1, Qt::CaseInsensitive)) {
        const QChar next = at + 6 < html.size() ? html[at + 6] : QChar();
        if (next.isLetterOrNumber() || next == u'-')
            continue;
        const qsizetype end = html.indexOf(u'>', at);
        margins << marginTop(html.sliced(at, (end < 0 ? html.size() : end) - at));
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

HtmlView::HtmlView(QWidget *parent) : QWidget(parent)
{
    [[maybe_unused]] static const bool accessible = [] {
        QAccessible::installFactory(accessiblePage);
        return true;
    }();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A browser's page: white, black text, serif at 16 px.
    QPalette page = palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, Qt::black);
    setPalette(page);
    page_.setDefaultFont(Fonts::serif(16));
    page_.setTextWidth(width());
}

void HtmlView::navigate(const QString &url)
{
    page_.clear();
    update();
    const QString scheme = u"about:"_s;
    if (!url.startsWith(scheme))
        return;
    const QString html = url.mid(scheme.size());
    page_.setHtml(html);
    page_.setDocumentMargin(BrowserBodyMargin);
    applyBrowserTables(&page_, tableTopMargins(html));
    applyBrowserFonts(&page_);
    centreTables();
}

QString HtmlView::pageText() const
{
    // Plain text turns the document's frame and paragraph marks into line breaks.
    return page_.toPlainText().simplified();
}

void HtmlView::resizeEvent(QResizeEvent *)
{
    page_.setTextWidth(width());
    centreTables();
}

void HtmlView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().base());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.clip = event->rect();
    painter.setClipRect(event->rect());
    page_.documentLayout()->draw(&painter, context);
}

void HtmlView::centreTables()
{
    QTextDocument *page = &page_;
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
