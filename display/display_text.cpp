// DisplayText: a message's bytes as Qt text, decoded piece by piece.
//
// The program's own texts are UTF-8; names and file contents quoted in a
// message may be Shift_JIS from older files. Decoding the whole message one
// way would garble the other part, so every UTF-8 character is taken as it
// is, and each run of other bytes is decoded on its own: as Shift_JIS when
// it is valid Shift_JIS, else shown byte by byte as \xNN.

#include <QStringDecoder>
#include <cstdio>

#include "display/display_lib.h"
#include "symbol/name_text.h"

namespace lumo {

namespace {

bool IsAscii(unsigned char c) {
  return c < 0x80;
}

// The length of the valid UTF-8 character at `at`; 0 when there is none.
std::size_t Utf8Length(std::string_view bytes, std::size_t at) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  const std::size_t length = IsAscii(lead)                    ? 1
                             : (lead >= 0xc2 && lead <= 0xdf) ? 2
                             : (lead >= 0xe0 && lead <= 0xef) ? 3
                             : (lead >= 0xf0 && lead <= 0xf4) ? 4
                                                              : 0;
  if (length == 0 || at + length > bytes.size()) return 0;
  return IsValidUtf8(bytes.substr(at, length)) ? length : 0;
}

bool IsShiftJisLead(unsigned char c) {
  return (c >= 0x81 && c <= 0x9f) || (c >= 0xe0 && c <= 0xfc);
}

// The run of bytes from `at` that is not UTF-8: Shift_JIS characters (a
// lead byte takes its trail byte, which may be ASCII) up to an ASCII byte or
// a three- or four-byte UTF-8 character in the place of a lead, which is the
// program's text again. The first byte always belongs to the run.
std::size_t ForeignRunLength(std::string_view bytes, std::size_t at) {
  std::size_t end = at;
  while (end < bytes.size()) {
    const auto c = static_cast<unsigned char>(bytes[end]);
    if (end > at && (IsAscii(c) || Utf8Length(bytes, end) >= 3)) break;
    end += IsShiftJisLead(c) && end + 1 < bytes.size() ? 2 : 1;
  }
  return end - at;
}

QString Escaped(std::string_view run) {
  QString text;
  for (char c : run) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
    text += QLatin1String(escape);
  }
  return text;
}

QString DecodeForeign(std::string_view run) {
  QStringDecoder decoder("Shift_JIS", QStringDecoder::Flag::Stateless);
  if (!decoder.isValid()) return Escaped(run);
  const QString text = decoder(QByteArrayView(run.data(), static_cast<qsizetype>(run.size())));
  return decoder.hasError() ? Escaped(run) : text;
}

}  // namespace

QString DisplayText(std::string_view bytes) {
  QString text;
  std::size_t at = 0;
  while (at < bytes.size()) {
    std::size_t length = Utf8Length(bytes, at);
    if (length > 0) {
      text += QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(length));
    } else {
      length = ForeignRunLength(bytes, at);
      text += DecodeForeign(bytes.substr(at, length));
    }
    at += length;
  }
  return text;
}

}  // namespace lumo
