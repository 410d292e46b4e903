#pragma once

// MIME HTML web archives (multipart/related): one HTML page with the
// stylesheet and pictures it uses, in one file any browser can open.

#include <QByteArray>
#include <QList>
#include <QString>

namespace kw {

struct MhtmlPart {
    QByteArray contentType; // e.g. "text/html; charset=utf-8"
    QByteArray contentId;   // without angle brackets, referenced as "cid:<id>"
    QByteArray location;    // Content-Location, may be empty
    QByteArray body;        // decoded bytes
};

// The first part is the page itself. Text parts are written quoted-printable,
// everything else base64; lines end in CR LF throughout.
QByteArray buildMhtml(const QByteArray &subject, const QList<MhtmlPart> &parts);

struct MhtmlDocument {
    QList<MhtmlPart> parts;
    QString error; // empty when the archive could be read
};

MhtmlDocument parseMhtml(const QByteArray &bytes);

QByteArray encodeQuotedPrintable(const QByteArray &bytes);
QByteArray decodeQuotedPrintable(const QByteArray &bytes);

// The "cid:" references of an HTML text (src and href attributes).
QList<QByteArray> contentIdReferences(const QByteArray &html);

} // namespace kw
