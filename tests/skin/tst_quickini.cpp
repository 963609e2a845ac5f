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

const QByteArray kSample = "; skin description\r\n"
                           "orphan=1\r\n"
                           "[personality]\r\n"
                           "  TopHeight = 5  \r\n"
                           "Image=a.bmp ;not a comment\r\n"
                           "Twice=first\r\n"
                           "Twice=second\r\n"
                           "Empty=\r\n"
                           "Empty=late\r\n"
                           "  ; indented comment\r\n"
                           "Colour=10 20 30\r\n"
                           "Hex=0x1F\r\n"
                           "Dollar=$10\r\n"
                           "Spaced=   3   \r\n"
                           "[ Spaced ]\r\n"
                           "Key=inner\r\n"
                           "[Next]\r\n"
                           "Only=next\r\n"
                           "[PERSONALITY]\r\n"
                           "Later=never\r\n";

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
    void sections();
    void lineOperations();
    void streams();
};

void TestQuickIni::readString_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("lower-case header, mixed-case key") << "Personality"
                                                       << "topheight"
                                                       << "5";
    QTest::newRow("upper-case key") << "personality"
                                    << "TOPHEIGHT"
                                    << "5";
    QTest::newRow("semicolon inside a value") << "Personality"
                                              << "Image"
                                              << "a.bmp ;not a comment";
    QTest::newRow("first occurrence wins") << "Personality"
                                           << "Twice"
                                           << "first";
    QTest::newRow("empty first occurrence gives the default") << "Personality"
                                                              << "Empty"
                                                              << "def";
    QTest::newRow("missing key") << "Personality"
                                 << "Nope"
                                 << "def";
    QTest::newRow("key of a later section") << "Personality"
                                            << "Only"
                                            << "def";
    QTest::newRow("second section of the same name never searched") << "Personality"
                                                                    << "Later"
                                                                    << "def";
    QTest::newRow("missing section") << "Missing"
                                     << "TopHeight"
                                     << "def";
    QTest::newRow("header with inner blanks not found") << "Spaced"
                                                        << "Key"
                                                        << "def";
    QTest::newRow("header with inner blanks, exact") << " Spaced "
                                                     << "Key"
                                                     << "inner";
    QTest::newRow("keys before the first section unreadable") << ""
                                                              << "orphan"
                                                              << "def";
    QTest::newRow("dropped comment line") << "Personality"
                                          << "; indented comment"
                                          << "def";
}

void TestQuickIni::readString() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const TQuickIni ini = IniOf(kSample);
    QCOMPARE(ini.ReadString(section, key, QStringLiteral("def")), expected);
}

void TestQuickIni::readInteger_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("colour triple") << "Colour" << -7;
    QTest::newRow("0x prefix") << "Hex" << 31;
    QTest::newRow("dollar prefix") << "Dollar" << 16;
    QTest::newRow("blanks around") << "Spaced" << 3;
    QTest::newRow("decimal") << "TopHeight" << 5;
    QTest::newRow("text") << "Image" << -7;
    QTest::newRow("empty value") << "Empty" << -7;
    QTest::newRow("missing") << "Nope" << -7;
}

void TestQuickIni::readInteger() {
    QFETCH(QString, key);
    QFETCH(int, expected);
    QCOMPARE(IniOf(kSample).ReadInteger(QStringLiteral("Personality"), key, -7), expected);
}

void TestQuickIni::strToIntDef_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("plus sign") << "+12" << 12;
    QTest::newRow("minus sign") << "-12" << -12;
    QTest::newRow("minus hex") << "-$10" << -16;
    QTest::newRow("hex lower case") << "$ff" << 255;
    QTest::newRow("hex all ones wraps") << "$FFFFFFFF" << -1;
    QTest::newRow("nine hex digits") << "$1FFFFFFFF" << 99;
    QTest::newRow("dollar alone") << "$" << 99;
    QTest::newRow("sign alone") << "-" << 99;
    QTest::newRow("int max") << "2147483647" << 2147483647;
    QTest::newRow("int min") << "-2147483648" << int(-2147483647 - 1);
    QTest::newRow("above int max") << "2147483648" << 99;
    QTest::newRow("far above") << "99999999999999999999" << 99;
    QTest::newRow("0x left alone") << "0x10" << 99;
    QTest::newRow("trailing text") << "12px" << 99;
    QTest::newRow("inner blank") << "1 2" << 99;
    QTest::newRow("empty") << "" << 99;
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
    QCOMPARE(ini.ReadInteger("B", "e", 0), 5);
    QCOMPARE(ini.SectionIndex("C"), -1);

    // Control characters count as blanks when trimming; a UTF-8 mark does not hide the header.
    const TQuickIni marked = IniOf("\xEF\xBB\xBF[Top]\n\t\x01key\x1F=\tv\x02\n");
    QCOMPARE(marked.ReadString("top", "KEY", "x"), QStringLiteral("v"));
}

void TestQuickIni::sections() {
    const TQuickIni ini = IniOf(kSample);
    QStringList names{"stale"};
    ini.ReadSections(names);
    QCOMPARE(names, QStringList({"personality", "Spaced", "Next", "PERSONALITY"}));
    QCOMPARE(ini.SectionIndex("PERSONALITY"), 1); // first of the two, case-insensitive
    QCOMPARE(ini.Lines().at(ini.SectionIndex("next")), QStringLiteral("[Next]"));

    const TQuickIni empty = IniOf("");
    empty.ReadSections(names);
    QVERIFY(names.isEmpty());
    QCOMPARE(empty.ReadString("A", "b", "d"), QStringLiteral("d"));
    QCOMPARE(IniOf("[]\nk=v").ReadString("", "k", "d"), QStringLiteral("v"));
}

void TestQuickIni::lineOperations() {
    QCOMPARE(TQuickIni::KeyOfLine(" Left Width =3=4"), QStringLiteral("left width"));
    QCOMPARE(TQuickIni::KeyOfLine("no equals sign"), QString());
    QCOMPARE(TQuickIni::ValueOfLine("Key = a=b ", "key"), QStringLiteral("a=b"));
    QCOMPARE(TQuickIni::ValueOfLine("Key = a", "Key"), QString()); // keys are lower case
    QCOMPARE(TQuickIni::ValueOfLine("other = a", "key"), QString());
    QCOMPARE(TQuickIni::ValueOfLine("", "key"), QString());
    QCOMPARE(TQuickIni::ValueOfLine("=a", ""), QString());
    QVERIFY(TQuickIni::IsSectionLine("  [x]  "));
    QVERIFY(TQuickIni::IsSectionLine("[]"));
    QVERIFY(!TQuickIni::IsSectionLine("["));
    QVERIFY(!TQuickIni::IsSectionLine("[x"));
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
