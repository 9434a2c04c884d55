// The title edit box and the conversion between its text and a title's code page 932 bytes,
// checked against glibc's own CP932 table.
#include <cstring>
#include <optional>

#include "dialog_driver.h"
#include "glibc_converter.h"
#include "text_builders.h"
#include "titles/title_edit.h"
#include "ui/cp932_text.h"

namespace vtg::testing {

namespace {

// glibc's CP932 converter, one character at a time.
struct GlibcCp932 {
  // The one character two bytes decode to.
  std::optional<char32_t> Decode(const std::string& bytes) const {
    const std::optional<std::string> out = decode(bytes);
    if (!out || out->size() != sizeof(char32_t)) return std::nullopt;
    char32_t ch;
    std::memcpy(&ch, out->data(), sizeof ch);
    return ch;
  }
  std::string Encode(char32_t ch) const {
    return encode(std::string(reinterpret_cast<const char*>(&ch), sizeof ch)).value_or(std::string());
  }
  const GlibcConverter decode{"UTF-32LE", "CP932"};
  const GlibcConverter encode{"CP932", "UTF-32LE"};
};

bool IsLeadByte(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsShownCharacter(char32_t ch) { return ch >= 0x20 && ch != 0x7F && !(ch >= 0xE000 && ch <= 0xF8FF); }

QString Text(std::initializer_list<char16_t> chars) {
  QString text;
  for (char16_t ch : chars) text += QChar(ch);
  return text;
}

}  // namespace

class TitleTextTest : public QObject {
  Q_OBJECT
 private slots:
  void EveryDoubleByteCodeShowsAsItsCharacterAndConvertsBack() {
    GlibcCp932 glibc;
    QVERIFY(glibc.decode.ok() && glibc.encode.ok());
    int characters = 0, second_codes = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
      if (!IsLeadByte(lead)) continue;
      for (unsigned trail = 0; trail <= 0xFF; ++trail) {
        const std::string bytes = Pair(lead * 256 + trail);
        const QString text = Cp932BytesToText(bytes);
        QCOMPARE(TextToCp932Bytes(text), std::optional<std::string>(bytes));
        const std::optional<char32_t> ch = glibc.Decode(bytes);
        if (ch && IsShownCharacter(*ch)) {
          // Windows writes one code per character; a second code of it carries a selector.
          const bool written = glibc.Encode(*ch) == bytes;
          QCOMPARE(text.size(), written ? 1 : 2);
          QCOMPARE(char32_t(text[0].unicode()), *ch);
          if (!written) QVERIFY(text[1] == QChar(kOtherCodeSelector) || text[1] == QChar(kOtherCodeSelector + 1));
          ++characters;
          second_codes += !written;
        } else {
          QCOMPARE(text[0], QChar(char16_t(kOtherByteText + lead)));
        }
      }
    }
    // JIS levels 1 and 2, NEC row 13, the NEC-selected and the IBM extensions.
    QCOMPARE(characters, 7724);
    QCOMPARE(second_codes, 398);
  }

  void OnlyTheCodePageItselfPassesTheStartUpCheck() {
    QVERIFY(Cp932ConversionAvailable());
    QVERIFY(!Cp932ConversionAvailable("EUC-JP"));  // another Japanese conversion
    QVERIFY(!Cp932ConversionAvailable("no-such-code-page"));
  }

  void EveryExternalPairIsOneCharacterOfItsOwn() {
    for (unsigned pair = 0; pair <= 0x1339; ++pair) {
      const std::string bytes = Pair(pair);
      const QString text = Cp932BytesToText(bytes);
      QCOMPARE(text, QString(QChar(char16_t(kExternalPairText + pair))));
      QCOMPARE(TextToCp932Bytes(text), std::optional<std::string>(bytes));
    }
  }

  void WholeTitlesRoundTrip_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("characters");
    QTest::newRow("pairs holding NUL, LF and CR") << QByteArray::fromHex("000a889f0d0d0a00") << 4;
    QTest::newRow("the last external pair beside kana") << QByteArray::fromHex("133982a0") << 2;
    QTest::newRow("odd offsets") << QByteArray::fromHex("41102042") << 3;
    QTest::newRow("a lead byte at the end") << QByteArray::fromHex("889f88") << 2;
    QTest::newRow("bytes outside the code page") << QByteArray::fromHex("80a0fdfeff7f1f") << 7;
    QTest::newRow("user-defined area") << QByteArray::fromHex("f040f9fc") << 4;
    QTest::newRow("half-width kana and ASCII") << QByteArray::fromHex("b1b2b35c7e") << 5;
    QTest::newRow("the same character three ways") << QByteArray::fromHex("81caeef9fa54") << 5;
  }
  void WholeTitlesRoundTrip() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, characters);
    const std::string title = bytes.toStdString();
    const QString text = Cp932BytesToText(title);
    QCOMPARE(int(text.size()), characters);
    QCOMPARE(TextToCp932Bytes(text), std::optional<std::string>(title));
  }

  void TypedTextConvertsOrIsRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("refused");  // the character named as refused; empty when it converts
    QTest::newRow("kana and kanji") << QStringLiteral("タイトル亜") << QByteArray::fromHex("835e83438367838b889f") << "";
    QTest::newRow("NEC and IBM extensions as Windows writes them")
        << QStringLiteral("①Ⅰⅰ纊") + QChar(0xFFE2) << QByteArray::fromHex("87408754fa40fa5c81ca") << "";
    QTest::newRow("a second code") << Text({0x7E8A, 0xFE00}) << QByteArray::fromHex("ed40") << "";
    QTest::newRow("a third code") << Text({0xFFE2, 0xFE01}) << QByteArray::fromHex("fa54") << "";
    // As input methods and pasted texts give them: taken for the characters they stand for.
    QTest::newRow("JIS forms") << Text({0x301C, 0x2212, 0x2016, 0x00A2, 0x00A3, 0x00AC, 0x2014})
                               << QByteArray::fromHex("8160817c81618191819281ca815c") << "";
    QTest::newRow("a second code of a JIS form") << Text({0x00AC, 0xFE00}) << QByteArray::fromHex("eef9") << "";
    QTest::newRow("no second code") << Text({0x4E9C, 0x4E9C, 0xFE00}) << QByteArray() << Text({0x4E9C, 0xFE00});
    QTest::newRow("selector alone") << Text({0xFE00}) << QByteArray() << Text({0xFE00});
    QTest::newRow("euro sign") << QStringLiteral("亜€B") << QByteArray() << "€";
    QTest::newRow("emoji") << QStringLiteral("😀") << QByteArray() << "😀";
    QTest::newRow("tab") << QStringLiteral("\t") << QByteArray() << "\t";
  }
  void TypedTextConvertsOrIsRefused() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, refused);
    QString named;
    const std::optional<std::string> converted = TextToCp932Bytes(text, &named);
    QCOMPARE(converted.has_value(), refused.isEmpty());
    QCOMPARE(named, refused);
    if (converted) QCOMPARE(*converted, bytes.toStdString());
  }

  void EditBoxKeepsTo56BytesAndReportsOnlyEdits() {
    TitleEdit edit;
    int edits = 0;
    connect(&edit, &TitleEdit::titleEdited, this, [&] { ++edits; });
    edit.ShowTitle(Pair(0x1020) + Pair(0x889F));
    QCOMPARE(edits, 0);
    QCOMPARE(edit.text(), Text({0xF020, 0x4E9C}));
    edit.end(false);
    Type(&edit, QString(26, QChar(0x3042)));  // あ
    QCOMPARE(edit.title().size(), size_t(56));
    QCOMPARE(edits, 26);
    Type(&edit, QStringLiteral("あA"));
    QCOMPARE(edit.title().size(), size_t(56));
    QCOMPARE(edits, 26);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    Type(&edit, QStringLiteral("A€B"));
    QCOMPARE(edit.title(), Pair(0x1020) + Pair(0x889F) + Repeat(Pair(0x82A0), 25) + "AB");
    QCOMPARE(edits, 29);
    edit.selectAll();
    edit.insert(QString(29, QChar(0x3042)));  // a paste that would not fit is refused whole
    QCOMPARE(edit.title().size(), size_t(56));
    QCOMPARE(edit.text().size(), 29);
  }

  void LongerTitleFromADocumentCanOnlyShrink() {
    TitleEdit edit;
    const std::string loaded = Repeat(Pair(0x82A0), 29);
    edit.ShowTitle(loaded);
    QCOMPARE(edit.title(), loaded);
    edit.end(false);
    Type(&edit, QStringLiteral("あ"));
    QCOMPARE(edit.title(), loaded);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.title().size(), size_t(56));
  }
};

}  // namespace vtg::testing

QTEST_MAIN(vtg::testing::TitleTextTest)
#include "title_text_test.moc"
