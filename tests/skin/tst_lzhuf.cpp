#include "skin/package/lzhencoder.h"
#include "skin/package/lzhuf.h"
#include "support/skin/classic_lzhuf.h"
#include "support/skin/samplebytes.h"

#include <QElapsedTimer>
#include <QtEndian>
#include <QtTest>

using skin::TLZH;
using skin::TLZHEncoder;

namespace {

// Two-entry package (an INI line and a one-pixel magenta bitmap) and its packed form, as
// documented for the package format.
const char *const kGoldenPacked = "86 00 00 00 D6 76 B1 98 79 DC 12 60 0F FF DF EB FA DD 5E 5D DC "
                                  "CC E5 BD B7 5E EF CF F2 DE DB 5F "
                                  "18 14 E3 58 00 FC FC FF DF E2 B0 07 FD 7D E9 A3 43 9D 54 01 45 "
                                  "3E 67 4A D7 DF F1 E4 EF B7 B3 38 "
                                  "B1 77 9C 48 C0 39 59 21 7E CD 84 51 20 00 E1 3E 03 DA 3E 03 C6 "
                                  "E1 80 7A 4B C0 5F 21 10 0F 3F 97 "
                                  "BC 80 ED 60 09 9C 40 10 ";
const char *const kGoldenUnpacked = "20 4E 00 00 11 00 00 00 00 00 00 00 00 00 00 00 "
                                    "73 6B 69 6E 2E 69 6E 69 0D 0A 61 2E 62 6D 70 0D "
                                    "0A 23 00 00 00 3A 00 00 00 5B 43 6F 6C 6F 75 72 "
                                    "73 5D 0D 0A 42 75 74 74 6F 6E 46 61 63 65 3D 32 "
                                    "31 32 20 32 30 38 20 32 30 30 0D 0A 42 4D 3A 00 "
                                    "00 00 00 00 00 00 36 00 00 00 28 00 00 00 01 00 "
                                    "00 00 01 00 00 00 01 00 18 00 00 00 00 00 04 00 "
                                    "00 00 13 0B 00 00 13 0B 00 00 00 00 00 00 00 00 "
                                    "00 00 FF 00 FF 00 ";

QByteArray Hex(const char *text) {
    QByteArray h(text);
    h.replace(' ', "");
    return QByteArray::fromHex(h);
}

QByteArray Decode(const QByteArray &packed, bool *ok = nullptr, QString *error = nullptr) {
    QByteArray out;
    const bool done = TLZH::Unpack(packed, out, error);
    if (ok)
        *ok = done;
    return out;
}

QByteArray ClassicDecode(const QByteArray &packed) {
    QByteArray out;
    if (!classic_lzhuf::Decode(packed, out))
        return QByteArray("<classic decoder refused>");
    return out;
}

QByteArray WithSize(quint32 size, const QByteArray &stream) {
    QByteArray out(4, '\0');
    qToLittleEndian<quint32>(size, out.data());
    return out + stream;
}

} // namespace

class TestLzhuf : public QObject {
    Q_OBJECT

private slots:
    void goldenVectorDecodes();
    void truncatedStreamsAreRefused();
    void roundTrips_data();
    void roundTrips();
    void encoderIsDeterministic();
    void finalMatchIsClippedAtTheSize();
    void untrustworthySizesAreRefused();
    void damagedStreamsAreRefusedOrExact();
    void largeSkinSpeed();
};

void TestLzhuf::goldenVectorDecodes() {
    const QByteArray packed = Hex(kGoldenPacked);
    const QByteArray expected = Hex(kGoldenUnpacked);
    QCOMPARE(packed.size(), 104);
    QCOMPARE(expected.size(), 134);

    QByteArray out;
    QString error;
    TLZH lzh;
    QVERIFY2(lzh.LZHUnpack(134, QByteArrayView(packed).sliced(4), out, &error), qPrintable(error));
    QCOMPARE(out, expected);
    QCOMPARE(lzh.ConsumedBits(), qint64(796));

    // The independent decoder agrees, and so does the one-call form.
    QCOMPARE(ClassicDecode(packed), expected);
    QCOMPARE(Decode(packed), expected);
}

void TestLzhuf::truncatedStreamsAreRefused() {
    const QByteArray packed = Hex(kGoldenPacked);
    for (int cut = 1; cut <= 20; ++cut) {
        bool ok = true;
        QString error;
        const QByteArray out = Decode(packed.chopped(cut), &ok, &error);
        QVERIFY2(!ok, qPrintable(QStringLiteral("cut %1 accepted").arg(cut)));
        QVERIFY(out.isEmpty());
        QVERIFY(!error.isEmpty());
    }
    // A whole unused byte after the last code is damage as well.
    bool ok = true;
    Decode(packed + QByteArray(1, '\0'), &ok);
    QVERIFY(!ok);
    Decode(packed + QByteArray(1, '\x5A'), &ok);
    QVERIFY(!ok);
}

void TestLzhuf::roundTrips_data() {
    QTest::addColumn<QByteArray>("plain");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray("x");
    QTest::newRow("three bytes") << QByteArray("abc");
    QTest::newRow("four spaces") << QByteArray("    ");
    QTest::newRow("spaces first, into the initial ring") << QByteArray(200, ' ') + "end";
    QTest::newRow("long run, overlapping matches") << QByteArray(10000, 'A');
    QTest::newRow("random 4095") << samplebytes::Random(4095, 1);
    QTest::newRow("random 4096") << samplebytes::Random(4096, 2);
    QTest::newRow("random 4097") << samplebytes::Random(4097, 3);
    // A block repeated exactly 4096 bytes later: the farthest distance the ring holds.
    const QByteArray block = samplebytes::Random(4096, 4);
    QTest::newRow("match at the farthest distance") << block + block.first(100);
    QTest::newRow("random 1 MiB (literals, deep codes, rebuilds)")
        << samplebytes::Random(1 << 20, 5);
    QTest::newRow("image-like 300k") << samplebytes::ImageLike(300000, 6);
    QTest::newRow("text-like 100k") << samplebytes::TextLike(100000, 7);
    QTest::newRow("skewed alphabet") << [] {
        QByteArray b = samplebytes::Random(70000, 8);
        for (qsizetype i = 0; i < b.size(); ++i)
            b[i] = char(quint8(b[i]) % 3 == 0 ? quint8(b[i]) : 0);
        return b;
    }();
}

void TestLzhuf::roundTrips() {
    QFETCH(QByteArray, plain);

    const QByteArray ours = TLZHEncoder::Pack(plain);
    QCOMPARE(qFromLittleEndian<quint32>(ours.constData()), quint32(plain.size()));
    bool ok = false;
    QString error;
    QCOMPARE(Decode(ours, &ok, &error), plain);
    QVERIFY2(ok, qPrintable(error));
    QCOMPARE(ClassicDecode(ours), plain);

    const QByteArray classic = classic_lzhuf::Encode(plain);
    QVERIFY(!classic.isEmpty());
    QCOMPARE(Decode(classic, &ok, &error), plain);
    QVERIFY2(ok, qPrintable(error));
}

void TestLzhuf::encoderIsDeterministic() {
    const QByteArray plain = samplebytes::ImageLike(50000, 9);
    const QByteArray a = TLZHEncoder::Pack(plain);
    QCOMPARE(TLZHEncoder::Pack(plain), a);
    QVERIFY(a.size() < plain.size()); // compresses what it should
}

void TestLzhuf::finalMatchIsClippedAtTheSize() {
    // 'a' then one match of 60 copies of it; a size of 10 ends inside the match.
    const QByteArray packed = TLZHEncoder::Pack(QByteArray(61, 'a'));
    QCOMPARE(ClassicDecode(packed), QByteArray(61, 'a'));
    const QByteArray shortened = WithSize(10, packed.sliced(4));
    bool ok = false;
    const QByteArray out = Decode(shortened, &ok);
    QVERIFY(ok);
    QCOMPARE(out, QByteArray(10, 'a'));
    // The classic decoder writes the whole match past the size.
    QCOMPARE(ClassicDecode(shortened).size(), 61);
}

void TestLzhuf::untrustworthySizesAreRefused() {
    for (int n = 0; n < 4; ++n) {
        bool ok = true;
        QString error;
        Decode(QByteArray(n, '\x01'), &ok, &error);
        QVERIFY(!ok);
        QVERIFY(!error.isEmpty());
    }
    const QByteArray stream = TLZHEncoder::Pack(samplebytes::TextLike(5000, 10)).sliced(4);
    bool ok = true;
    Decode(WithSize(0xFFFFFFFFu, stream), &ok);
    QVERIFY(!ok);
    Decode(WithSize(TLZH::MaxUnpackedSize + 1, QByteArray(TLZH::MaxUnpackedSize / 16, 'x')), &ok);
    QVERIFY(!ok);
    // More bytes than a stream of this length can carry.
    Decode(WithSize(quint32(stream.size()) * 48 + 1, stream), &ok);
    QVERIFY(!ok);
    // A size of zero needs no stream at all.
    QVERIFY(Decode(WithSize(0, QByteArray()), &ok).isEmpty());
    QVERIFY(ok);
}

void TestLzhuf::damagedStreamsAreRefusedOrExact() {
    // Every single-bit flip of a small stream: the decoder never produces more or less than
    // the size it accepted. Flips that put the codes out of step are caught by the bit count;
    // a flip in the raw low bits of a match distance only changes the bytes copied, and the
    // format carries no checksum to notice that, so a share of flips is let through.
    const QByteArray plain = samplebytes::TextLike(3000, 11) + samplebytes::ImageLike(3000, 12);
    const QByteArray packed = TLZHEncoder::Pack(plain);
    int refused = 0;
    int flips = 0;
    for (qsizetype byte = 4; byte < packed.size(); ++byte) {
        for (int bit = 0; bit < 8; ++bit, ++flips) {
            QByteArray damaged = packed;
            damaged[byte] = char(damaged[byte] ^ (1 << bit));
            bool ok = false;
            const QByteArray out = Decode(damaged, &ok);
            if (!ok) {
                ++refused;
                QVERIFY(out.isEmpty());
            } else {
                QCOMPARE(out.size(), plain.size());
            }
        }
    }
    qInfo("single-bit flips refused: %d of %d", refused, flips);
    QVERIFY2(refused * 2 >= flips, "bit count let too many flips through");

    // Random streams behind plausible sizes: refused or exactly sized, never more.
    for (quint32 seed = 100; seed < 400; ++seed) {
        const QByteArray junk = samplebytes::Random(1 + seed % 300, seed);
        const quint32 size = seed * 37 % 5000;
        bool ok = false;
        const QByteArray out = Decode(WithSize(size, junk), &ok);
        QCOMPARE(out.size(), ok ? qsizetype(size) : 0);
    }
}

void TestLzhuf::largeSkinSpeed() {
    const QByteArray plain = samplebytes::ImageLike(5 << 20, 13);
    QElapsedTimer timer;
    timer.start();
    const QByteArray packed = TLZHEncoder::Pack(plain);
    const qint64 packMs = timer.restart();
    bool ok = false;
    const QByteArray out = Decode(packed, &ok);
    const qint64 unpackMs = timer.elapsed();
    QVERIFY(ok);
    QVERIFY(out == plain);
    qInfo("5 MiB image-like: packed to %lld bytes, pack %lld ms, unpack %lld ms",
          qlonglong(packed.size()), qlonglong(packMs), qlonglong(unpackMs));
}

QTEST_GUILESS_MAIN(TestLzhuf)
#include "tst_lzhuf.moc"
