#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's handler of a URL scheme: install it with
// QDesktopServices::setUrlHandler(scheme, &recorder, "open"), and it keeps every address
// the program asked the desktop to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl &url) { opened << url; }

public:
    QList<QUrl> opened;
};
