#include "tarnavel/platform/internal/ICUEncoding.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <memory>

#include "tarnavel/platform/foundation/Format.h"

namespace tarnavel {

namespace {

struct ConverterCloser {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// A converter that stops at the first byte sequence it cannot convert instead of substituting for it.
Converter openStrict(std::string_view name) {
  UErrorCode status = U_ZERO_ERROR;
  Converter converter(ucnv_open(std::string(name).c_str(), &status));
  if (U_FAILURE(status)) return nullptr;
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  ucnv_setFromUCallBack(converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  return U_SUCCESS(status) ? std::move(converter) : nullptr;
}

// "line L, column C" of the end of `text`, counting columns in code points from 1.
std::string positionAtEnd(std::string_view text) {
  const std::size_t lineStart = text.rfind('\n') == std::string_view::npos ? 0 : text.rfind('\n') + 1;
  long long line = 1;
  for (char c : text)
    line += c == '\n' ? 1 : 0;
  long long column = 1;
  for (std::size_t i = lineStart; i < text.size(); ++i)
    column += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 ? 1 : 0;
  return "line " + formatInteger(line) + ", column " + formatInteger(column);
}

}  // namespace

bool isEncodingKnownToICU(std::string_view name) {
  return openStrict(name) != nullptr;
}

std::optional<std::array<int, 256>> singleByteTable(std::string_view name) {
  const Converter converter = openStrict(name);
  if (!converter || ucnv_getMaxCharSize(converter.get()) != 1) return std::nullopt;
  std::array<int, 256> table{};
  for (int byte = 0; byte < 256; ++byte) {
    const char source = static_cast<char>(byte);
    UChar target[2];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter.get());
    const int32_t length = ucnv_toUChars(converter.get(), target, 2, &source, 1, &status);
    table[static_cast<std::size_t>(byte)] = U_SUCCESS(status) && length == 1 ? target[0] : -1;
  }
  return table;
}

UTF8Conversion convertToUTF8(std::span<const std::byte> data, std::string_view name) {
  UTF8Conversion result;
  const Converter source = openStrict(name);
  const Converter utf8 = openStrict("UTF-8");
  if (!source || !utf8) {
    result.error = "line 1, column 1: unknown encoding \"" + std::string(name) + "\"";
    return result;
  }
  const char* in = reinterpret_cast<const char*>(data.data());
  const char* const inEnd = in + data.size();
  UChar pivot[1024];
  UChar* pivotSource = pivot;
  UChar* pivotTarget = pivot;
  // Most documents grow little in UTF-8; the string doubles when they grow more.
  result.text.resize(data.size() + data.size() / 2 + 16);
  std::size_t written = 0;
  bool reset = true;
  for (;;) {
    char* out = result.text.data() + written;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(utf8.get(), source.get(), &out, result.text.data() + result.text.size(), &in, inEnd, pivot,
                   &pivotSource, &pivotTarget, pivot + std::size(pivot), reset, true, &status);
    reset = false;
    written = static_cast<std::size_t>(out - result.text.data());
    if (status == U_BUFFER_OVERFLOW_ERROR) {
      result.text.resize(result.text.size() * 2);
      continue;
    }
    result.text.resize(written);
    if (U_FAILURE(status)) {
      // Bytes the source cannot read are placed by converting the bytes before them again, as the text
      // before them may still sit in the pivot; a character it reads but UTF-8 cannot hold (a lone
      // surrogate) stands right after the text written.
      char invalid[32];
      int8_t invalidLength = sizeof invalid;
      UErrorCode ignored = U_ZERO_ERROR;
      ucnv_getInvalidChars(source.get(), invalid, &invalidLength, &ignored);
      const auto consumed = static_cast<std::size_t>(in - reinterpret_cast<const char*>(data.data()));
      const std::size_t valid = consumed - std::min(consumed, static_cast<std::size_t>(invalidLength));
      const std::string before =
          invalidLength > 0 ? convertToUTF8(data.first(valid), name).text : result.text;
      result.error = positionAtEnd(before) + ": bytes not valid in encoding \"" + std::string(name) + "\"";
      result.text.clear();
    }
    return result;
  }
}

}  // namespace tarnavel
