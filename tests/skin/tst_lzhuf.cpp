#include "skin/package/lzhencoder.h"
#include "skin/package/lzhuf.h"
#include "support/skin/classic_lzhuf.h"
#include "support/skin/samplebytes.h"

#include <QtEndian>
#include <QtTest>

using skin::TLZH;
using skin::TLZHEncoder;

namespace {

// Two-entry package (an INI line and a one-pixel magenta bitmap) and its packed form, as
// documented for the package format.
const QByteArray kGoldenPacked = QByteArray::fromHex(
    "86000000D676B19879DC12600FFFDFEBFADD5E5DDCCCE5BDB75EEFCFF2DEDB5F1814E35800FCFCFFDFE2B007"
    "FD7DE9A3439D5401453E674AD7DFF1E4EFB7B338B1779C48C03959217ECD84512000E13E03DA3E03C6E1807A"
    "4BC05F21100F3F97BC80ED60099C4010");
const QByteArray kGoldenUnpacked = QByteArray::fromHex(
    "204E0000110000000000000000000000736B696E2E696E690D0A612E626D700D0A230000003A0000005B436F"
    "6C6F7572735D0D0A427574746F6E466163653D32313220323038203230300D0A424D3A000000000000003600"
    "0000280000000100000001000000010018000000000004000000130B0000130B00000000000000000000FF00"
    "FF00");

QByteArray Decode(const QByteArray &packed, bool *ok = nullptr) {
    QByteArray out;
    QString error;
    const bool done = TLZH::Unpack(packed, out, &error);
    if (ok)
        *ok = done;
    if (!done && error.isEmpty())
        out = "<refused without a reason>";
    return out;
}

QByteArray ClassicDecode(const QByteArray &packed) {
    QByteArray out;
    return classic_lzhuf::Decode(packed, out) ? out : QByteArray("<classic decoder refused>");
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
    void truncatedRefusedTrailingIgnored();
    void roundTrips_data();
    void roundTrips();
    void finalMatchIsClippedAtTheSize();
    void untrustworthySizesAreRefused();
    void damagedStreamsAreRefusedOrExact();
};

void TestLzhuf::goldenVectorDecodes() {
    QCOMPARE(kGoldenPacked.size(), 104);
    QCOMPARE(kGoldenUnpacked.size(), 134);
    QByteArray out;
    QString error;
    TLZH lzh;
    QVERIFY2(lzh.LZHUnpack(134, QByteArrayView(kGoldenPacked).sliced(4), out, &error),
             qPrintable(error));
    QCOMPARE(out, kGoldenUnpacked);
    QCOMPARE(lzh.ConsumedBits(), qint64(796));
    QCOMPARE(ClassicDecode(kGoldenPacked), kGoldenUnpacked);
    QCOMPARE(Decode(kGoldenPacked), kGoldenUnpacked);
}

void TestLzhuf::truncatedRefusedTrailingIgnored() {
    for (int cut = 1; cut <= 20; ++cut) {
        bool ok = true;
        QCOMPARE(Decode(kGoldenPacked.chopped(cut), &ok), QByteArray("")); // empty, with a reason
        QVERIFY2(!ok, qPrintable(QStringLiteral("cut %1 accepted").arg(cut)));
    }
    // Decoding ends at the stated size; whatever follows the stream is never read.
    for (const QByteArray &tail : {QByteArray(1, '\0'), QByteArray(1, '\x5A'),
                                   samplebytes::Random(5000, 1), kGoldenPacked}) {
        bool ok = false;
        QCOMPARE(Decode(kGoldenPacked + tail, &ok), kGoldenUnpacked);
        QVERIFY(ok);
    }
}

void TestLzhuf::roundTrips_data() {
    QTest::addColumn<QByteArray>("plain");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << QByteArray("x");
    QTest::newRow("four spaces") << QByteArray("    ");
    QTest::newRow("spaces first, into the initial ring") << QByteArray(200, ' ') + "end";
    QTest::newRow("long run, overlapping matches") << QByteArray(10000, 'A');
    QTest::newRow("random 4096") << samplebytes::Random(4096, 2);
    QTest::newRow("random 4097") << samplebytes::Random(4097, 3);
    const QByteArray block = samplebytes::Random(4096, 4); // farthest distance the ring holds
    QTest::newRow("match at the farthest distance") << block + block.first(100);
    QTest::newRow("random 1 MiB (deep codes, rebuilds)") << samplebytes::Random(1 << 20, 5);
    QTest::newRow("image-like 300k") << samplebytes::ImageLike(300000, 6);
    QTest::newRow("text-like 100k") << samplebytes::TextLike(100000, 7);
    QByteArray skewed = samplebytes::Random(70000, 8);
    for (char &c : skewed)
        c = quint8(c) % 3 == 0 ? c : '\0';
    QTest::newRow("skewed alphabet") << skewed;
}

void TestLzhuf::roundTrips() {
    QFETCH(QByteArray, plain);
    const QByteArray ours = TLZHEncoder::Pack(plain);
    QCOMPARE(qFromLittleEndian<quint32>(ours.constData()), quint32(plain.size()));
    QCOMPARE(TLZHEncoder::Pack(plain), ours); // deterministic
    QCOMPARE(Decode(ours), plain);
    QCOMPARE(ClassicDecode(ours), plain);
    const QByteArray classic = classic_lzhuf::Encode(plain);
    QVERIFY(!classic.isEmpty());
    QCOMPARE(Decode(classic), plain);
    if (plain.size() >= 10000 && !QByteArray(QTest::currentDataTag()).startsWith("random"))
        QVERIFY(ours.size() < plain.size() * 3 / 4); // compresses what it should
}

void TestLzhuf::finalMatchIsClippedAtTheSize() {
    // 'a' then one match of 60 copies of it; a size of 10 ends inside the match.
    const QByteArray shortened = WithSize(10, TLZHEncoder::Pack(QByteArray(61, 'a')).sliced(4));
    bool ok = false;
    QCOMPARE(Decode(shortened, &ok), QByteArray(10, 'a'));
    QVERIFY(ok);
    QCOMPARE(ClassicDecode(shortened).size(), 61); // the classic decoder overruns the size
}

void TestLzhuf::untrustworthySizesAreRefused() {
    const QByteArray stream = TLZHEncoder::Pack(samplebytes::TextLike(5000, 10)).sliced(4);
    const QByteArray refused[] = {
        QByteArray(), QByteArray(3, '\x01'), WithSize(0xFFFFFFFFu, stream),
        WithSize(TLZH::MaxUnpackedSize + 1, QByteArray(TLZH::MaxUnpackedSize / 16, 'x')),
        WithSize(quint32(stream.size()) * 48 + 1, stream)}; // more than the stream can carry
    for (const QByteArray &packed : refused) {
        bool ok = true;
        QCOMPARE(Decode(packed, &ok), QByteArray(""));
        QVERIFY(!ok);
    }
    bool ok = false;
    QVERIFY(Decode(WithSize(0, QByteArray()), &ok).isEmpty()); // size zero needs no stream
    QVERIFY(ok);
}

void TestLzhuf::damagedStreamsAreRefusedOrExact() {
    // Every single-bit flip: never more or less than the accepted size. A flip in the raw low
    // bits of a match distance only changes the bytes copied (the format has no checksum).
    const QByteArray plain = samplebytes::TextLike(3000, 11) + samplebytes::ImageLike(3000, 12);
    const QByteArray packed = TLZHEncoder::Pack(plain);
    for (qsizetype bit = 32; bit < packed.size() * 8; ++bit) {
        QByteArray damaged = packed;
        damaged[bit / 8] = char(damaged[bit / 8] ^ (1 << (bit % 8)));
        bool ok = false;
        const QByteArray out = Decode(damaged, &ok);
        QCOMPARE(out.size(), ok ? plain.size() : 0);
    }
    // Random streams behind plausible sizes.
    for (quint32 seed = 100; seed < 400; ++seed) {
        const quint32 size = seed * 37 % 5000;
        bool ok = false;
        const QByteArray out =
            Decode(WithSize(size, samplebytes::Random(1 + seed % 300, seed)), &ok);
        QCOMPARE(out.size(), ok ? qsizetype(size) : 0);
    }
}

QTEST_GUILESS_MAIN(TestLzhuf)
#include "tst_lzhuf.moc"
