#include "compiler/mhtml.h"

#include <QRegularExpression>

namespace kw {

namespace {

const QByteArray kBoundary = "----=_NextPart_Kestrelworks_000";
constexpr int kMaxLine = 76;

bool isText(const QByteArray &contentType)
{
    return contentType.startsWith("text/");
}

QByteArray base64Lines(const QByteArray &bytes)
{
    const QByteArray encoded = bytes.toBase64();
    QByteArray out;
    for (qsizetype i = 0; i < encoded.size(); i += kMaxLine) {
        if (i > 0)
            out += "\r\n";
        out += encoded.mid(i, kMaxLine);
    }
    return out;
}

// Header name (lower case) -> value, continuation lines unfolded.
QList<std::pair<QByteArray, QByteArray>> parseHeaders(const QList<QByteArray> &lines)
{
    QList<std::pair<QByteArray, QByteArray>> headers;
    for (const QByteArray &line : lines) {
        if ((line.startsWith(' ') || line.startsWith('\t')) && !headers.isEmpty()) {
            headers.last().second += ' ' + line.trimmed();
            continue;
        }
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            headers.append({line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
    }
    return headers;
}

QByteArray header(const QList<std::pair<QByteArray, QByteArray>> &headers, const QByteArray &name)
{
    for (const auto &[key, value] : headers) {
        if (key == name)
            return value;
    }
    return {};
}

QByteArray parameter(const QByteArray &value, const QByteArray &name)
{
    const QRegularExpression re(QStringLiteral("(?:^|;)\\s*%1\\s*=\\s*(\"([^\"]*)\"|[^;\\s]+)").arg(QString::fromLatin1(name)),
                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(QString::fromLatin1(value));
    if (!m.hasMatch())
        return {};
    return (m.hasCaptured(2) ? m.captured(2) : m.captured(1)).toLatin1();
}

// Splits at the first empty line into header lines and the rest.
std::pair<QList<QByteArray>, QByteArray> splitEntity(const QByteArray &entity)
{
    const qsizetype end = entity.indexOf("\r\n\r\n");
    const QByteArray head = end < 0 ? entity : entity.left(end);
    const QByteArray body = end < 0 ? QByteArray() : entity.mid(end + 4);
    return {head.split('\n'), body};
}

} // namespace

QByteArray encodeQuotedPrintable(const QByteArray &bytes)
{
    QByteArray out;
    const QList<QByteArray> lines = QByteArray(bytes).replace("\r\n", "\n").split('\n');
    for (qsizetype l = 0; l < lines.size(); ++l) {
        const QByteArray &line = lines.at(l);
        QByteArray current;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(line.at(i));
            const bool last = i == line.size() - 1;
            QByteArray piece;
            if ((c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last))
                piece = QByteArray(1, char(c));
            else
                piece = "=" + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
            if (current.size() + piece.size() > kMaxLine - 1) {
                out += current + "=\r\n";
                current.clear();
            }
            current += piece;
        }
        out += current;
        if (l < lines.size() - 1)
            out += "\r\n";
    }
    return out;
}

QByteArray decodeQuotedPrintable(const QByteArray &bytes)
{
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c != '=') {
            out += c;
            continue;
        }
        if (bytes.mid(i + 1, 2) == "\r\n") { // soft line break
            i += 2;
            continue;
        }
        if (i + 1 < bytes.size() && bytes.at(i + 1) == '\n') {
            i += 1;
            continue;
        }
        bool ok = false;
        const int value = bytes.mid(i + 1, 2).toInt(&ok, 16);
        if (ok && i + 2 < bytes.size()) {
            out += char(value);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

QByteArray buildMhtml(const QByteArray &subject, const QList<MhtmlPart> &parts)
{
    QByteArray out;
    out += "From: <Saved by Kestrelworks>\r\n";
    out += "Subject: " + subject + "\r\n";
    out += "MIME-Version: 1.0\r\n";
    out += "Content-Type: multipart/related;\r\n\ttype=\"text/html\";\r\n\tboundary=\"" + kBoundary + "\"\r\n";
    out += "\r\nThis is a multi-part message in MIME format.\r\n";
    for (const MhtmlPart &part : parts) {
        out += "\r\n--" + kBoundary + "\r\n";
        out += "Content-Type: " + part.contentType + "\r\n";
        out += QByteArray("Content-Transfer-Encoding: ") + (isText(part.contentType) ? "quoted-printable" : "base64") + "\r\n";
        if (!part.contentId.isEmpty())
            out += "Content-ID: <" + part.contentId + ">\r\n";
        if (!part.location.isEmpty())
            out += "Content-Location: " + part.location + "\r\n";
        out += "\r\n";
        // The line end before the next boundary belongs to the boundary.
        out += isText(part.contentType) ? encodeQuotedPrintable(part.body) : base64Lines(part.body);
    }
    out += "\r\n--" + kBoundary + "--\r\n";
    return out;
}

MhtmlDocument parseMhtml(const QByteArray &bytes)
{
    MhtmlDocument document;
    const auto [headLines, body] = splitEntity(bytes);
    const auto headers = parseHeaders(headLines);
    const QByteArray contentType = header(headers, "content-type");
    if (!contentType.toLower().startsWith("multipart/related")) {
        document.error = QStringLiteral("not multipart/related");
        return document;
    }
    const QByteArray boundary = parameter(contentType, "boundary");
    if (boundary.isEmpty()) {
        document.error = QStringLiteral("no boundary");
        return document;
    }
    const QByteArray delimiter = "\r\n--" + boundary;
    const QByteArray text = "\r\n" + body;
    if (!text.contains(delimiter + "--")) {
        document.error = QStringLiteral("the closing boundary is missing");
        return document;
    }
    qsizetype at = text.indexOf(delimiter);
    while (at >= 0) {
        const qsizetype start = at + delimiter.size();
        if (text.mid(start, 2) == "--")
            break;
        const qsizetype next = text.indexOf(delimiter, start);
        if (next < 0)
            break;
        const QByteArray entity = text.mid(start + 2, next - start - 2); // after the CR LF
        const auto [partLines, partBody] = splitEntity(entity);
        const auto partHeaders = parseHeaders(partLines);
        MhtmlPart part;
        part.contentType = header(partHeaders, "content-type");
        part.location = header(partHeaders, "content-location");
        part.contentId = header(partHeaders, "content-id");
        if (part.contentId.startsWith('<') && part.contentId.endsWith('>'))
            part.contentId = part.contentId.mid(1, part.contentId.size() - 2);
        const QByteArray encoding = header(partHeaders, "content-transfer-encoding").toLower();
        if (encoding == "quoted-printable")
            part.body = decodeQuotedPrintable(partBody);
        else if (encoding == "base64")
            part.body = QByteArray::fromBase64(partBody);
        else
            part.body = partBody;
        document.parts.append(part);
        at = next;
    }
    if (document.parts.isEmpty())
        document.error = QStringLiteral("no parts");
    return document;
}

QList<QByteArray> contentIdReferences(const QByteArray &html)
{
    static const QRegularExpression reference(QStringLiteral("(?:src|href)\\s*=\\s*\"cid:([^\"]+)\""));
    QList<QByteArray> ids;
    for (const QRegularExpressionMatch &m : reference.globalMatch(QString::fromUtf8(html)))
        ids.append(m.captured(1).toUtf8());
    return ids;
}

} // namespace kw
