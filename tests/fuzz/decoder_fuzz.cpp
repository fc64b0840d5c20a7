// Multibyte text decoded block by block (TYPE, a program's output) must give
// what decoding it whole gives, and both what the converter gives when it is
// asked one undecodable byte at a time. The first byte picks the code page,
// the next ones where the blocks are cut. The bytes as a host name must
// make the round trip through shell text.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/support/fuzz_check.h"
#include "platform/codepage.h"
#include "platform/multibyte_decoder.h"
#include "platform/text.h"

using namespace tessera;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  static constexpr int kCodePages[] = {932, 65001, 936, 20932, 1252, 50220};
  const int codePage = kCodePages[data[0] % std::size(kCodePages)];
  const std::size_t firstCut = data[1] % 17;
  const std::size_t otherCuts = data[2] % 9 + 1;
  const std::string_view bytes(reinterpret_cast<const char*>(data + 3), size - 3);

  std::size_t undecodable = 0;
  const auto reference = platform::MultiByteToWide(bytes, codePage, &undecodable);
  FUZZ_REQUIRE(reference.ok());

  std::u16string whole;
  FUZZ_REQUIRE(platform::DecodeWhole(bytes, codePage, whole));
  FUZZ_REQUIRE(whole == *reference);

  platform::MultiByteDecoder decoder(codePage);
  FUZZ_REQUIRE(decoder.ok());
  std::u16string pieces;
  std::size_t at = 0;
  std::size_t cut = firstCut;
  while (at < bytes.size()) {
    const std::size_t length = std::min(cut, bytes.size() - at);
    decoder.Decode(bytes.substr(at, length), false, pieces);
    at += length;
    cut = otherCuts;
  }
  decoder.Decode({}, true, pieces);
  FUZZ_REQUIRE(pieces == whole);

  // The same bytes as a host name: back unchanged, and read as UTF-8 when
  // they are UTF-8.
  const std::u16string name = platform::HostBytesToWide(bytes);
  FUZZ_REQUIRE(platform::WideToHostBytes(name) == bytes);
  if (platform::IsValidUtf8(bytes)) FUZZ_REQUIRE(name == platform::Utf8ToUtf16(bytes));
  return 0;
}
