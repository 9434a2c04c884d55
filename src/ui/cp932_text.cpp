#include "ui/cp932_text.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

#include "link/cp932.h"
#include "titles/title_codes.h"

namespace vtg {
namespace {

constexpr auto kLeadBytes = [] {
  std::array<unsigned, 60> leads{};
  unsigned b = 0x81;
  for (unsigned& lead : leads) {
    lead = b;
    b = b == 0x9F ? 0xE0 : b + 1;
  }
  return leads;
}();
// No character of the code page has more than three codes.
constexpr int kMaxOtherCodes = 2;

// A code shown as a character: the character and which of its codes it is (0: the one
// Windows writes). `ch` 0: the code is no character of its own.
struct Shown {
  char16_t ch = 0;
  std::uint16_t variant = 0;
};

bool IsPrivateUse(char16_t ch) { return ch >= 0xE000 && ch <= 0xF8FF; }

// The one character `code` (one or two bytes) decodes to, or 0.
char16_t DecodeOne(const QByteArray& code) {
  QStringDecoder decoder(kCp932Codec, QStringConverter::Flag::Stateless);
  const QString text = decoder.decode(code);
  if (decoder.hasError() || text.size() != 1) return 0;
  const char16_t ch = text[0].unicode();
  // Controls cannot be shown in an edit box; the user-defined area overlaps our own marks.
  if (ch < 0x20 || ch == 0x7F || IsPrivateUse(ch)) return 0;
  return ch;
}

QByteArray EncodeOne(char16_t ch) {
  QStringEncoder encoder(kCp932Codec, QStringConverter::Flag::Stateless);
  const QByteArray code = encoder.encode(QString(QChar(ch)));
  return encoder.hasError() ? QByteArray() : code;
}

QByteArray PairBytes(unsigned pair) {
  QByteArray code;
  code.append(static_cast<char>(pair >> 8));
  code.append(static_cast<char>(pair & 0xFF));
  return code;
}

// Built once from the code page: what each code shows and each shown character's code.
class Cp932Table {
 public:
  Cp932Table() {
    std::map<char16_t, std::vector<QByteArray>> codes_of;
    for (unsigned b = 0; b < 256; ++b) {
      const QByteArray code(1, static_cast<char>(b));
      if (const char16_t ch = DecodeOne(code)) codes_of[ch].push_back(code);
    }
    for (unsigned lead : kLeadBytes) {
      for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        const QByteArray code = PairBytes(lead * 256 + trail);
        if (const char16_t ch = DecodeOne(code)) codes_of[ch].push_back(code);
      }
    }
    for (auto& [ch, codes] : codes_of) {
      // The code Windows writes comes first; the others keep their order.
      const QByteArray written = EncodeOne(ch);
      std::stable_partition(codes.begin(), codes.end(), [&](const QByteArray& c) { return c == written; });
      for (std::size_t v = 0; v < codes.size() && v <= kMaxOtherCodes; ++v) {
        const Shown shown{ch, static_cast<std::uint16_t>(v)};
        const QByteArray& code = codes[v];
        if (code.size() == 1)
          singles_[static_cast<unsigned char>(code[0])] = shown;
        else
          pairs_[static_cast<unsigned char>(code[0]) * 256u + static_cast<unsigned char>(code[1])] = shown;
        codes_[Key(shown)] = code.toStdString();
      }
    }
  }

  const Shown& OfByte(unsigned char b) const { return singles_[b]; }
  const Shown& OfPair(unsigned pair) const { return pairs_[pair]; }
  const std::string* CodeOf(Shown shown) const {
    const auto found = codes_.find(Key(shown));
    return found == codes_.end() ? nullptr : &found->second;
  }

 private:
  static std::uint32_t Key(Shown s) { return s.ch | (std::uint32_t{s.variant} << 16); }

  std::array<Shown, 256> singles_{};
  std::array<Shown, 65536> pairs_{};
  std::unordered_map<std::uint32_t, std::string> codes_;
};

const Cp932Table& Table() {
  static const Cp932Table table;
  return table;
}

void Append(QString& text, Shown shown) {
  text += QChar(shown.ch);
  if (shown.variant > 0) text += QChar(static_cast<char16_t>(kOtherCodeSelector + shown.variant - 1));
}

}  // namespace

bool Cp932ConversionAvailable(const char* codec) {
  // The code page's own wave dash, a kanji and an NEC special character.
  const QByteArray probe("\x81\x60\x88\x9F\x87\x40");
  const QString characters = QString::fromUtf16(u"\uFF5E\u4E9C\u2460");
  QStringDecoder decoder(codec, QStringConverter::Flag::Stateless);
  QStringEncoder encoder(codec, QStringConverter::Flag::Stateless);
  if (!decoder.isValid() || !encoder.isValid()) return false;
  const QString decoded = decoder.decode(probe);
  const QByteArray encoded = encoder.encode(characters);
  return !decoder.hasError() && !encoder.hasError() && decoded == characters && encoded == probe;
}

QString Cp932BytesToText(std::string_view bytes) {
  const Cp932Table& table = Table();
  QString text;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (i + 1 < bytes.size()) {
      const unsigned pair = b * 256u + static_cast<unsigned char>(bytes[i + 1]);
      if (pair <= kLastExternalPair) {
        text += QChar(static_cast<char16_t>(kExternalPairText + pair));
        i += 2;
        continue;
      }
      if (const Shown& shown = table.OfPair(pair); shown.ch != 0) {
        Append(text, shown);
        i += 2;
        continue;
      }
    }
    const Shown& shown = table.OfByte(b);
    if (shown.ch != 0)
      Append(text, shown);
    else
      text += QChar(static_cast<char16_t>(kOtherByteText + b));
    ++i;
  }
  return text;
}

std::string Cp932BytesToUtf8(std::string_view bytes) { return Cp932BytesToText(bytes).toStdString(); }

std::optional<std::string> TextToCp932Bytes(const QString& text, QString* refused) {
  const Cp932Table& table = Table();
  std::string bytes;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t ch = Cp932FormOf(text[i].unicode());
    if (ch >= kExternalPairText && ch <= kExternalPairText + kLastExternalPair) {
      const unsigned pair = ch - kExternalPairText;
      bytes.push_back(static_cast<char>(pair >> 8));
      bytes.push_back(static_cast<char>(pair & 0xFF));
      continue;
    }
    if (ch >= kOtherByteText && ch <= kOtherByteText + 0xFF) {
      bytes.push_back(static_cast<char>(ch - kOtherByteText));
      continue;
    }
    const qsizetype start = i;
    Shown shown{ch, 0};
    if (i + 1 < text.size()) {
      const char16_t next = text[i + 1].unicode();
      if (next >= kOtherCodeSelector && next < kOtherCodeSelector + kMaxOtherCodes) {
        shown.variant = static_cast<std::uint16_t>(next - kOtherCodeSelector + 1);
        ++i;
      }
    }
    const std::string* code = table.CodeOf(shown);
    if (!code) {
      // With its selector, or both halves of a character beyond 16 bits.
      if (refused) *refused = text.mid(start, i > start ? i - start + 1 : text[start].isHighSurrogate() ? 2 : 1);
      return std::nullopt;
    }
    bytes += *code;
  }
  return bytes;
}

QString WithCp932Forms(QString text) {
  for (QChar& ch : text) ch = QChar(Cp932FormOf(ch.unicode()));
  return text;
}

}  // namespace vtg
