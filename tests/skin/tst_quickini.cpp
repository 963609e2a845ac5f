#include "skin/data/tquickini.h"

#include <QBuffer>
#include <QtTest>

using skin::TQuickIni;

namespace {

TQuickIni IniOf(const QByteArray &text) {
    TQuickIni ini;
    ini.LoadFromBytes(text);
    return ini;
}

const QByteArray kSample = "; skin description\r\norphan=1\r\n[personality]\r\n"
                           "  TopHeight = 5  \r\nImage=a.bmp ;not a comment\r\n"
                           "Twice=first\r\nTwice=second\r\nEmpty=\r\nEmpty=late\r\n"
                           "  ; indented comment\r\nColour=10 20 30\r\nHex=0x1F\r\nDollar=$10\r\n"
                           "Spaced=   3   \r\n[ Spaced ]\r\nKey=inner\r\n[Next]\r\nOnly=next\r\n"
                           "[PERSONALITY]\r\nLater=never\r\n";

void Row(const char *name, const char *section, const char *key, const char *expected) {
    QTest::newRow(name) << QString(section) << QString(key) << QString(expected);
}

template <typename T> void Row(const char *name, const char *text, T expected) {
    QTest::newRow(name) << QString(text) << expected;
}

} // namespace

class TestQuickIni : public QObject {
    Q_OBJECT

private slots:
    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void strToIntDef_data();
    void strToIntDef();
    void lineEndsAndNul();
    void sectionsAndLines();
    void streams();
};

void TestQuickIni::readString_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    Row("lower-case header, mixed-case key", "Personality", "topheight", "5");
    Row("upper-case key", "personality", "TOPHEIGHT", "5");
    Row("semicolon inside a value", "Personality", "Image", "a.bmp ;not a comment");
    Row("first occurrence wins", "Personality", "Twice", "first");
    Row("empty first occurrence gives the default", "Personality", "Empty", "def");
    Row("missing key", "Personality", "Nope", "def");
    Row("key of a later section", "Personality", "Only", "def");
    Row("second section of the same name never searched", "Personality", "Later", "def");
    Row("missing section", "Missing", "TopHeight", "def");
    Row("header with inner blanks not found", "Spaced", "Key", "def");
    Row("header with inner blanks, exact", " Spaced ", "Key", "inner");
    Row("keys before the first section unreadable", "", "orphan", "def");
    Row("dropped comment line", "Personality", "; indented comment", "def");
}

void TestQuickIni::readString() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(IniOf(kSample).ReadString(section, key, QStringLiteral("def")), expected);
}

void TestQuickIni::readInteger_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected");
    Row("colour triple", "Colour", -7);
    Row("0x prefix", "Hex", 31);
    Row("dollar prefix", "Dollar", 16);
    Row("blanks around", "Spaced", 3);
    Row("text", "Image", -7);
    Row("empty value", "Empty", -7);
}

void TestQuickIni::readInteger() {
    QFETCH(QString, key);
    QFETCH(int, expected);
    QCOMPARE(IniOf(kSample).ReadInteger(QStringLiteral("Personality"), key, -7), expected);
}

void TestQuickIni::strToIntDef_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    Row("plus sign", "+12", 12);
    Row("minus hex", "-$10", -16);
    Row("hex lower case", "$ff", 255);
    Row("hex all ones wraps", "$FFFFFFFF", -1);
    Row("nine hex digits", "$1FFFFFFFF", 99);
    Row("dollar alone", "$", 99);
    Row("sign alone", "-", 99);
    Row("int max", "2147483647", 2147483647);
    Row("int min", "-2147483648", int(-2147483647 - 1));
    Row("above int max", "2147483648", 99);
    Row("far above", "99999999999999999999", 99);
    Row("0x left alone", "0x10", 99);
    Row("trailing text", "12px", 99);
    Row("inner blank", "1 2", 99);
    Row("empty", "", 99);
}

void TestQuickIni::strToIntDef() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(TQuickIni::StrToIntDef(text, 99), expected);
}

void TestQuickIni::lineEndsAndNul() {
    // Lone CR, lone LF, CR LF and LF CR (two breaks), then a NUL that ends the text.
    static const char text[] = "[A]\ra=1\nb=2\r\nc=3\n\rd=4\r\r\n[B]\re=5\0[C]\rf=6";
    const TQuickIni ini = IniOf(QByteArray(text, sizeof(text) - 1));
    QCOMPARE(ini.Lines(), QStringList({"[A]", "a=1", "b=2", "c=3", "d=4", "[B]", "e=5"}));
    QCOMPARE(ini.ReadInteger("A", "d", 0), 4);
    QCOMPARE(ini.SectionIndex("C"), -1);
    // Control characters count as blanks when trimming; a UTF-8 mark does not hide the header.
    QCOMPARE(IniOf("\xEF\xBB\xBF[Top]\n\t\x01key\x1F=\tv\x02\n").ReadString("top", "KEY", "x"),
             QStringLiteral("v"));
}

void TestQuickIni::sectionsAndLines() {
    const TQuickIni ini = IniOf(kSample);
    QStringList names{"stale"};
    ini.ReadSections(names);
    QCOMPARE(names, QStringList({"personality", "Spaced", "Next", "PERSONALITY"}));
    QCOMPARE(ini.SectionIndex("PERSONALITY"), 1); // first of the two, case-insensitive
    IniOf("").ReadSections(names);
    QVERIFY(names.isEmpty());
    QCOMPARE(IniOf("[]\nk=v").ReadString("", "k", "d"), QStringLiteral("v"));

    QCOMPARE(TQuickIni::KeyOfLine(" Left Width =3=4"), QStringLiteral("left width"));
    QCOMPARE(TQuickIni::KeyOfLine("no equals sign"), QString());
    QCOMPARE(TQuickIni::ValueOfLine("Key = a=b ", "key"), QStringLiteral("a=b"));
    QCOMPARE(TQuickIni::ValueOfLine("Key = a", "Key"), QString()); // keys are lower case
    QCOMPARE(TQuickIni::ValueOfLine("=a", ""), QString());
    QVERIFY(TQuickIni::IsSectionLine("  [x]  ") && TQuickIni::IsSectionLine("[]"));
    QVERIFY(!TQuickIni::IsSectionLine("[") && !TQuickIni::IsSectionLine("[x"));
    QVERIFY(!TQuickIni::IsSectionLine("x]"));
}

void TestQuickIni::streams() {
    QByteArray bytes = "junk=1\n[S]\nk=2\n";
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    buffer.seek(7); // reading starts at the current position
    TQuickIni ini;
    ini.LoadFromStream(&buffer);
    QCOMPARE(ini.Lines(), QStringList({"[S]", "k=2"}));
    ini.LoadFromStream(nullptr); // does nothing
    QCOMPARE(ini.ReadInteger("S", "k", 0), 2);
    ini.LoadFromBytes("[T]\nk=3"); // a new load replaces the old text
    QCOMPARE(ini.ReadInteger("S", "k", 0), 0);
    QCOMPARE(ini.ReadInteger("T", "k", 0), 3);
}

QTEST_GUILESS_MAIN(TestQuickIni)
#include "tst_quickini.moc"
