#pragma once

#include <QByteArray>
#include <QString>

// Opening a web address in the user's browser through a small redirecting page written into
// the application folder.
namespace SaveFileUrlm
{

// How many numbered names (0.html, 1.html, ...) are tried before giving up on a redirect file.
inline constexpr int MaxRedirectFiles = 100;

// The page that sends the browser on to `url` at once, as one line without its line end.
QByteArray RedirectDocument(const QString &url);

// Writes the redirect page to the first numbered name in MainM::AppFolder that can be opened
// for writing and hands that file to the shell; if none can be, hands over the URL itself.
// Reports nothing.
void OpenUrlViaRedirectFile(QString url);

} // namespace SaveFileUrlm
