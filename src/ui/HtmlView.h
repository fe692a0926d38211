#pragma once

#include <QTextBrowser>

// A small HTML view for pages given inline as "about:<html>...". It lays the page out as a
// web browser would, as far as the banner needs: centred tables, browser font sizes and
// margins, no scroll bars, no frame.
class HtmlView : public QTextBrowser
{
    Q_OBJECT

public:
    explicit HtmlView(QWidget *parent = nullptr);

    // Shows an "about:" page; any other address leaves the view empty.
    void navigate(const QString &url);

    // The page's words alone, as a screen reader should read them.
    QString pageText() const;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void centreTables();
};
