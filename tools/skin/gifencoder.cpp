#include "tools/skin/gifencoder.h"

#include <QFile>
#include <QHash>
#include <QVector>
#include <algorithm>

namespace {

constexpr QRgb kTransparentKey = 0x00000000;

// Semi-transparent edges would otherwise turn into dark fringes: flatten them onto white,
// keep fully opaque pixels and drop the rest to the transparent key.
QImage flattened(const QImage &image)
{
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a < 128) {
                line[x] = kTransparentKey;
                continue;
            }
            auto mix = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
            line[x] = qRgb(mix(qRed(p)), mix(qGreen(p)), mix(qBlue(p)));
        }
    }
    return out;
}

struct Box
{
    QVector<QRgb> colours;
};

int channel(QRgb c, int which)
{
    return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c);
}

// Median cut over the distinct opaque colours, weighted by nothing: the pictures are small
// drawings whose colours matter more than their counts.
QVector<QRgb> medianCut(const QVector<QRgb> &colours, int maxColours)
{
    QVector<Box> boxes{Box{colours}};
    while (boxes.size() < maxColours) {
        int best = -1;
        int bestRange = 0;
        int bestChannel = 0;
        for (int i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2)
                continue;
            for (int ch = 0; ch < 3; ++ch) {
                int lo = 255, hi = 0;
                for (QRgb c : boxes[i].colours) {
                    lo = std::min(lo, channel(c, ch));
                    hi = std::max(hi, channel(c, ch));
                }
                if (hi - lo > bestRange) {
                    bestRange = hi - lo;
                    best = i;
                    bestChannel = ch;
                }
            }
        }
        if (best < 0)
            break;
        QVector<QRgb> &cs = boxes[best].colours;
        std::sort(cs.begin(), cs.end(), [bestChannel](QRgb a, QRgb b) {
            return channel(a, bestChannel) < channel(b, bestChannel);
        });
        Box upper{QVector<QRgb>(cs.begin() + cs.size() / 2, cs.end())};
        cs.resize(cs.size() / 2);
        boxes.append(upper);
    }
    QVector<QRgb> palette;
    for (const Box &box : boxes) {
        long r = 0, g = 0, b = 0;
        for (QRgb c : box.colours) {
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
        }
        const long n = box.colours.size();
        palette.append(qRgb(int(r / n), int(g / n), int(b / n)));
    }
    return palette;
}

int nearest(const QVector<QRgb> &palette, QRgb c, int firstOpaque)
{
    int best = firstOpaque;
    int bestDistance = INT_MAX;
    for (int i = firstOpaque; i < palette.size(); ++i) {
        const int dr = qRed(c) - qRed(palette[i]);
        const int dg = qGreen(c) - qGreen(palette[i]);
        const int db = qBlue(c) - qBlue(palette[i]);
        const int d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

} // namespace

QImage GifEncoder::indexedImage(const QImage &image)
{
    const QImage flat = flattened(image);
    bool hasTransparent = false;
    QVector<QRgb> distinct;
    QHash<QRgb, int> seen;
    for (int y = 0; y < flat.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(flat.constScanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            if (qAlpha(line[x]) == 0) {
                hasTransparent = true;
            } else if (!seen.contains(line[x])) {
                seen.insert(line[x], distinct.size());
                distinct.append(line[x]);
            }
        }
    }
    const int firstOpaque = hasTransparent ? 1 : 0;
    const int room = 256 - firstOpaque;
    QVector<QRgb> palette;
    if (hasTransparent)
        palette.append(kTransparentKey);
    palette += distinct.size() <= room ? distinct : medianCut(distinct, room);
    if (palette.isEmpty())
        palette.append(qRgb(255, 255, 255));

    QImage indexed(flat.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    QHash<QRgb, int> lookup;
    for (int y = 0; y < flat.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(flat.constScanLine(y));
        uchar *target = indexed.scanLine(y);
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb c = line[x];
            if (qAlpha(c) == 0) {
                target[x] = 0;
                continue;
            }
            auto it = lookup.constFind(c);
            if (it == lookup.constEnd())
                it = lookup.insert(c, nearest(palette, c, firstOpaque));
            target[x] = uchar(it.value());
        }
    }
    return indexed;
}

QByteArray GifEncoder::encode(const QImage &image)
{
    const QImage indexed = indexedImage(image);
    const QVector<QRgb> palette = indexed.colorTable();
    const bool transparent = !palette.isEmpty() && qAlpha(palette[0]) == 0;

    int tableBits = 1;
    while ((1 << tableBits) < palette.size())
        ++tableBits;

    QByteArray out("GIF89a");
    putWord(out, indexed.width());
    putWord(out, indexed.height());
    out.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)));
    out.append(char(0)); // background colour index
    out.append(char(0)); // no aspect ratio
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    if (transparent) {
        const char gce[] = {'\x21', '\xf9', '\x04', '\x01', 0, 0, 0, 0};
        out.append(gce, sizeof gce);
    }
    out.append(char(0x2c));
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, indexed.width());
    putWord(out, indexed.height());
    out.append(char(0)); // no local table, not interlaced

    const int minCodeSize = std::max(2, tableBits);
    out.append(char(minCodeSize));
    const QByteArray data = lzw(indexed, minCodeSize);
    for (int pos = 0; pos < data.size(); pos += 255) {
        const int n = std::min(255, int(data.size()) - pos);
        out.append(char(n));
        out.append(data.constData() + pos, n);
    }
    out.append(char(0));
    out.append(char(0x3b));
    return out;
}

QByteArray GifEncoder::lzw(const QImage &indexed, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    QByteArray out;
    quint32 bitBuffer = 0;
    int bitCount = 0;
    auto emitCode = [&](int code, int size) {
        bitBuffer |= quint32(code) << bitCount;
        bitCount += size;
        while (bitCount >= 8) {
            out.append(char(bitBuffer & 0xff));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };

    // Dictionary entries are (prefix code, next index) pairs packed into one key.
    QHash<quint32, int> dictionary;
    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;
    emitCode(clearCode, codeSize);

    int prefix = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *line = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const int pixel = line[x];
            if (prefix < 0) {
                prefix = pixel;
                continue;
            }
            const quint32 key = (quint32(prefix) << 8) | quint32(pixel);
            const auto it = dictionary.constFind(key);
            if (it != dictionary.constEnd()) {
                prefix = it.value();
                continue;
            }
            emitCode(prefix, codeSize);
            // The decoder adds its entry one code later, so the width grows once the code
            // just assigned no longer fits; a full table starts over.
            dictionary.insert(key, nextCode);
            if (nextCode == (1 << codeSize) && codeSize < 12)
                ++codeSize;
            ++nextCode;
            if (nextCode == 4096) {
                emitCode(clearCode, codeSize);
                dictionary.clear();
                codeSize = minCodeSize + 1;
                nextCode = endCode + 1;
            }
            prefix = pixel;
        }
    }
    if (prefix >= 0)
        emitCode(prefix, codeSize);
    emitCode(endCode, codeSize);
    if (bitCount > 0)
        out.append(char(bitBuffer & 0xff));
    return out;
}

int GifEncoder::write(const QImage &image, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 1;
    const QByteArray bytes = encode(image);
    return file.write(bytes) == bytes.size() ? 0 : 1;
}
