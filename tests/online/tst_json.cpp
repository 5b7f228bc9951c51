#include "json.h"

#include <QDate>
#include <QTest>
#include <QUrl>

#include <limits>

// Rows compare the written form of what was read, so one column states both
// the value and its type (double 1.0, qulonglong 1 and qlonglong -1 all differ).
static QByteArray typed(const QVariant &v);

static QByteArray typedList(const QVariantList &list)
{
    QByteArray out = "[";
    for (const QVariant &e : list)
        out += typed(e) + ",";
    return out + "]";
}

static QByteArray typed(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::UnknownType:
        return "null";
    case QMetaType::Bool:
        return v.toBool() ? "b:true" : "b:false";
    case QMetaType::Double:
        return "d:" + QByteArray::number(v.toDouble(), 'g', 17);
    case QMetaType::LongLong:
        return "i:" + QByteArray::number(v.toLongLong());
    case QMetaType::ULongLong:
        return "u:" + QByteArray::number(v.toULongLong());
    case QMetaType::QString:
        return "s:" + v.toString().toUtf8();
    case QMetaType::QVariantList:
        return typedList(v.toList());
    case QMetaType::QVariantMap: {
        QByteArray out = "{";
        const QVariantMap map = v.toMap();
        for (auto it = map.begin(); it != map.end(); ++it)
            out += it.key().toUtf8() + "=" + typed(it.value()) + ",";
        return out + "}";
    }
    default:
        return "?" + QByteArray(v.typeName());
    }
}

class TestJson : public QObject
{
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void readNullText();
    void escapes_data();
    void escapes();
    void depthLimit_data();
    void depthLimit();
    void failureUnwindsToOutermostKind();
    void write_data();
    void write();
    void writeFailures();
    void roundTrip();
};

void TestJson::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty text") << "" << false << QByteArray("null");
    QTest::newRow("only whitespace") << " \t\r\n" << false << QByteArray("null");
    QTest::newRow("object") << R"({"a": 1, "b": "x"})" << true << QByteArray("{a=u:1,b=s:x,}");
    QTest::newRow("empty object") << "{}" << true << QByteArray("{}");
    QTest::newRow("trailing comma") << R"({"a":1,})" << true << QByteArray("{a=u:1,}");
    QTest::newRow("missing commas") << R"({"a":1 "b":2})" << true << QByteArray("{a=u:1,b=u:2,}");
    QTest::newRow("many commas") << R"({,,"a":1,,,"b":2,,})" << true
                                 << QByteArray("{a=u:1,b=u:2,}");
    QTest::newRow("repeated key keeps last")
        << R"({"a":1,"a":2})" << true << QByteArray("{a=u:2,}");
    QTest::newRow("keys in code unit order")
        << R"({"b":1,"B":2,"a":3})" << true << QByteArray("{B=u:2,a=u:3,b=u:1,}");
    QTest::newRow("member without colon") << R"({"a" 1})" << false << QByteArray("{}");
    QTest::newRow("unclosed object") << R"({"a":1)" << false << QByteArray("{}");
    QTest::newRow("key's quote not checked") << R"({1a":1})" << true << QByteArray("{a=u:1,}");
    QTest::newRow("key starting with no token") << R"({xa":1})" << false << QByteArray("{}");
    QTest::newRow("array with spaces")
        << "[1 2 \"x\" true]" << true << QByteArray("[u:1,u:2,s:x,b:true,]");
    QTest::newRow("array commas") << "[,1,,2,]" << true << QByteArray("[u:1,u:2,]");
    QTest::newRow("unclosed array") << "[1, 2" << false << QByteArray("[]");
    QTest::newRow("array closed by brace") << "[1}" << false << QByteArray("[]");
    QTest::newRow("trailing object ignored")
        << R"({"a":1}{"b":2})" << true << QByteArray("{a=u:1,}");
    QTest::newRow("trailing garbage ignored") << "[1]xyz" << true << QByteArray("[u:1,]");
    QTest::newRow("unsigned") << "42" << true << QByteArray("u:42");
    QTest::newRow("zero") << "0" << true << QByteArray("u:0");
    QTest::newRow("negative") << "-42" << true << QByteArray("i:-42");
    QTest::newRow("leading whitespace") << "  \n7" << true << QByteArray("u:7");
    QTest::newRow("double") << "1.5" << true << QByteArray("d:1.5");
    QTest::newRow("negative double") << "-0.25" << true << QByteArray("d:-0.25");
    QTest::newRow("exponent without point") << "1e5" << true << QByteArray("u:0");
    QTest::newRow("exponent with point") << "1.5e3" << true << QByteArray("d:1500");
    QTest::newRow("upper exponent, sign") << "2.5E+2" << true << QByteArray("d:250");
    QTest::newRow("negative exponent") << "-1e5" << true << QByteArray("i:0");
    QTest::newRow("max unsigned") << "18446744073709551615" << true
                                  << QByteArray("u:18446744073709551615");
    QTest::newRow("unsigned overflow") << "18446744073709551616" << true << QByteArray("u:0");
    QTest::newRow("huge unsigned") << QString(400, QLatin1Char('9')) << true << QByteArray("u:0");
    QTest::newRow("min signed") << "-9223372036854775808" << true
                                << QByteArray("i:-9223372036854775808");
    QTest::newRow("signed overflow") << "-9223372036854775809" << true << QByteArray("i:0");
    QTest::newRow("huge double") << "1.0e999" << true << QByteArray("d:0");
    QTest::newRow("long double text")
        << "0." + QString(300, QLatin1Char('1')) << true << QByteArray("d:0.1111111111111111");
    QTest::newRow("two points") << "1.2.3" << true << QByteArray("d:0");
    QTest::newRow("lone minus") << "-" << true << QByteArray("i:0");
    QTest::newRow("leading zeros") << "007" << true << QByteArray("u:7");
    QTest::newRow("number run stops") << "[12abc]" << false << QByteArray("[]");
    QTest::newRow("plus sign") << "+1" << false << QByteArray("null");
    QTest::newRow("leading point") << ".5" << false << QByteArray("null");
    QTest::newRow("true") << "true" << true << QByteArray("b:true");
    QTest::newRow("false") << "false" << true << QByteArray("b:false");
    QTest::newRow("null") << "null" << true << QByteArray("null");
    QTest::newRow("keyword prefix at top") << "trueabc" << true << QByteArray("b:true");
    QTest::newRow("keyword prefix in array") << "[trueabc]" << false << QByteArray("[]");
    QTest::newRow("keyword case") << "True" << false << QByteArray("null");
    QTest::newRow("short text") << "tru" << false << QByteArray("null");
    QTest::newRow("fals is not false") << "fals" << false << QByteArray("null");
    QTest::newRow("null in array") << "[null,1]" << true << QByteArray("[null,u:1,]");
    QTest::newRow("unclosed string") << "\"abc" << false << QByteArray("null");
    QTest::newRow("string") << "\"a b\"" << true << QByteArray("s:a b");
    QTest::newRow("closer first") << "]" << false << QByteArray("null");
    QTest::newRow("colon first") << ":" << false << QByteArray("null");
    QTest::newRow("nested") << R"({"a":[{"b":[]}],"c":{}})" << true
                            << QByteArray("{a=[{b=[],},],c={},}");
}

void TestJson::read()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QByteArray, expected);
    bool actualOk = !ok;
    const QVariant value = readJson(text, actualOk);
    QCOMPARE(actualOk, ok);
    QCOMPARE(typed(value), expected);
    QCOMPARE(typed(readJson(text)), expected);
}

void TestJson::readNullText()
{
    bool ok = false;
    QVERIFY(!readJson(QString(), ok).isValid());
    QVERIFY(ok);
}

void TestJson::escapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("expected");

    QTest::newRow("simple") << R"("\"\\\/\b\f\n\r\t")" << true << "\"\\/\b\f\n\r\t";
    QTest::newRow("unknown escape dropped") << R"("a\qb")" << true << "ab";
    QTest::newRow("unicode") << R"("\u00e9\u00C9")" << true << QString::fromUtf8("éÉ");
    QTest::newRow("invalid hex gives 0") << R"("\u12G4x")" << true << QString(QChar(0)) + "x";
    QTest::newRow("lone high surrogate") << R"("\ud800")" << true << QString(QChar(0xd800));
    QTest::newRow("lone low surrogate") << R"("\udc00z")" << true << QString(QChar(0xdc00)) + "z";
    QTest::newRow("pair kept as units")
        << R"("\ud83d\ude00")" << true << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("short unicode") << R"("\u12")" << false << QString();
    QTest::newRow("backslash at end") << "\"abc\\" << false << QString();
    QTest::newRow("raw control characters") << "\"a\tb\x01\"" << true << "a\tb\x01";
    QTest::newRow("non-ASCII") << QString::fromUtf8("\"日本\"") << true
                               << QString::fromUtf8("日本");
}

void TestJson::escapes()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(QString, expected);
    bool actualOk = !ok;
    const QVariant value = readJson(text, actualOk);
    QCOMPARE(actualOk, ok);
    if (ok)
        QCOMPARE(value.toString(), expected);
    else
        QVERIFY(!value.isValid());
}

void TestJson::depthLimit_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<QString>("close");
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("ok");

    QTest::newRow("arrays at the limit") << "["
                                         << "]" << MaxJsonDepth << true;
    QTest::newRow("arrays past the limit") << "["
                                           << "]" << MaxJsonDepth + 1 << false;
    QTest::newRow("objects at the limit") << "{\"k\":"
                                          << "}" << MaxJsonDepth << true;
    QTest::newRow("objects past the limit") << "{\"k\":"
                                            << "}" << MaxJsonDepth + 1 << false;
    QTest::newRow("a million brackets") << "["
                                        << "" << 1000000 << false;
}

void TestJson::depthLimit()
{
    QFETCH(QString, open);
    QFETCH(QString, close);
    QFETCH(int, depth);
    QFETCH(bool, ok);
    // The innermost container is left empty: "[]" or {"k":{}}.
    QString text =
        open.repeated(depth - 1) + (open == "[" ? "[]" : "{}") + close.repeated(depth - 1);
    bool actualOk = !ok;
    const QVariant value = readJson(text, actualOk);
    QCOMPARE(actualOk, ok);
    if (!ok)
        QCOMPARE(typed(value), open == "[" ? QByteArray("[]") : QByteArray("{}"));
}

void TestJson::failureUnwindsToOutermostKind()
{
    bool ok = true;
    const QVariant value = readJson(R"({"a":[1,{"b":tru}]})", ok);
    QVERIFY(!ok);
    QCOMPARE(value.typeId(), QMetaType::QVariantMap);
    QVERIFY(value.toMap().isEmpty());
}

void TestJson::write_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("invalid") << QVariant() << QByteArray("null");
    QTest::newRow("empty list") << QVariant(QVariantList()) << QByteArray("[  ]");
    QTest::newRow("empty map") << QVariant(QVariantMap()) << QByteArray("{  }");
    QTest::newRow("list") << QVariant(QVariantList{1, "a", true, QVariant()})
                          << QByteArray("[ 1, \"a\", true, null ]");
    QTest::newRow("string list") << QVariant(QStringList{"x", "y"})
                                 << QByteArray("[ \"x\", \"y\" ]");
    QTest::newRow("map in key order") << QVariant(QVariantMap{{"b", 2}, {"a", QVariantList{}}})
                                      << QByteArray("{ \"a\" : [  ], \"b\" : 2 }");
    QTest::newRow("double 2") << QVariant(2.0) << QByteArray("2.0");
    QTest::newRow("double 1234567") << QVariant(1234567.0) << QByteArray("1.23457e+06");
    QTest::newRow("double 0.1") << QVariant(0.1) << QByteArray("0.1");
    QTest::newRow("double small") << QVariant(0.0001234) << QByteArray("0.0001234");
    QTest::newRow("double tiny") << QVariant(1.5e-7) << QByteArray("1.5e-07");
    QTest::newRow("double exponent gets a point") << QVariant(1e6) << QByteArray("1.0e+06");
    QTest::newRow("double negative exponent") << QVariant(-2e-5) << QByteArray("-2.0e-05");
    QTest::newRow("double negative zero") << QVariant(-0.0) << QByteArray("-0.0");
    QTest::newRow("float") << QVariant(1.5f) << QByteArray("1.5");
    QTest::newRow("bool") << QVariant(false) << QByteArray("false");
    QTest::newRow("ulonglong max")
        << QVariant(std::numeric_limits<qulonglong>::max()) << QByteArray("18446744073709551615");
    QTest::newRow("int") << QVariant(-7) << QByteArray("-7");
    QTest::newRow("longlong") << QVariant(qlonglong(-9000000000)) << QByteArray("-9000000000");
    QTest::newRow("quoting") << QVariant("a\\b\"c\b\f\n\r\td/\x01")
                             << QByteArray("\"a\\\\b\\\"c\\b\\f\\n\\r\\td/\x01\"");
    QTest::newRow("non-ASCII as UTF-8")
        << QVariant(QString::fromUtf8("é")) << QByteArray("\"\xC3\xA9\"");
    QTest::newRow("byte array") << QVariant(QByteArray("raw")) << QByteArray("\"raw\"");
    QTest::newRow("date as string") << QVariant(QDate(2024, 2, 29)) << QByteArray("\"2024-02-29\"");
    QTest::newRow("url as string") << QVariant(QUrl("http://a/b")) << QByteArray("\"http://a/b\"");
}

void TestJson::write()
{
    QFETCH(QVariant, value);
    QFETCH(QByteArray, expected);
    bool ok = false;
    QCOMPARE(writeJson(value, ok), expected);
    QVERIFY(ok);
}

void TestJson::writeFailures()
{
    const QVariant unwritable = QVariant::fromValue(static_cast<QObject *>(this));
    const QVariant cases[] = {
        unwritable,
        QVariant(QVariantList{1, unwritable, 2}),
        QVariant(QVariantMap{{"a", QVariantList{unwritable}}}),
        QVariant(std::numeric_limits<double>::infinity()),
        QVariant(std::numeric_limits<double>::quiet_NaN()),
    };
    for (const QVariant &value : cases) {
        bool ok = true;
        const QByteArray text = writeJson(value, ok);
        QVERIFY(!ok);
        QVERIFY(text.isNull());
        QVERIFY(writeJson(value).isNull());
    }
    // Deeper than the reader accepts is refused too, rather than recursing without end.
    QVariant deep = QVariantList();
    for (int i = 0; i < MaxJsonDepth + 1; ++i)
        deep = QVariantList{deep};
    bool ok = true;
    QVERIFY(writeJson(deep, ok).isNull());
    QVERIFY(!ok);
}

void TestJson::roundTrip()
{
    const QVariantMap document{
        {"name", QString::fromUtf8("Grüße \"quoted\"\n\\ / \t")},
        {"count", qulonglong(12)},
        {"offset", qlonglong(-3)},
        {"ratio", 0.25},
        {"large", 3e20},
        {"flags", QVariantList{true, false, QVariant()}},
        {"nested", QVariantMap{{"deeper", QVariantList{QVariantMap{{"x", QVariantList{}}}}}}},
        {"empty", QVariantMap()},
    };
    bool ok = false;
    const QByteArray text = writeJson(document, ok);
    QVERIFY(ok);
    const QVariant back = readJson(QString::fromUtf8(text), ok);
    QVERIFY(ok);
    QCOMPARE(typed(back), typed(document));
}

QTEST_GUILESS_MAIN(TestJson)
#include "tst_json.moc"
