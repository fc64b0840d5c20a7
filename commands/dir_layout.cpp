#include "commands/dir_layout.h"

#include <algorithm>

#include "platform/codepage.h"
#include "platform/filetime.h"
#include "shell/format.h"
#include "shell/message_catalogue.h"

namespace tessera {

namespace {

constexpr std::uint32_t kWideTotalMessage = 102;
constexpr std::uint32_t kNarrowTotalMessage = 103;
constexpr std::uint32_t kListingTotalMessage = 104;
constexpr int kWideTotalColumns = 35;

constexpr std::u16string_view kUnknownTime = u"--/--/-- --:--";
constexpr std::u16string_view kLongDirField = u"    <DIR>         ";
constexpr std::u16string_view kShortDirField = u"   <DIR> ";
constexpr std::size_t kLongSizeWidth = 16;
constexpr std::size_t kShortSizeWidth = 8;

std::u16string Digits(std::uint64_t value) {
  std::u16string out;
  do {
    out.insert(out.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value != 0);
  return out;
}

// As "%02d": at least two digits, a sign kept.
void AppendTwoDigits(std::u16string& out, int value) {
  if (value < 0) {
    out += u'-';
    out += Digits(static_cast<std::uint64_t>(-static_cast<long long>(value)));
    return;
  }
  if (value < 10) out += u'0';
  out += Digits(static_cast<std::uint64_t>(value));
}

bool LocalWriteTime(const platform::FindData& entry, platform::SystemTime& time) {
  time = platform::FileTimeToLocal(entry.info.lastWriteTime);
  return time.year != 0;  // a time the host calendar could not convert
}

void AppendRightAligned(std::u16string& out, std::u16string_view text, std::size_t width) {
  if (text.size() < width) out.append(width - text.size(), u' ');
  out += text;
}

bool IsDirectoryEntry(const platform::FindData& entry) {
  return (entry.info.attributes & platform::kAttrDirectory) != 0;
}

}  // namespace

std::u16string GroupDigits(std::uint64_t value, bool grouping) {
  const std::u16string plain = Digits(value);
  if (!grouping) return plain;
  std::u16string out;
  const std::size_t lead = plain.size() % 3 == 0 ? 3 : plain.size() % 3;
  out += plain.substr(0, lead);
  for (std::size_t at = lead; at < plain.size(); at += 3) {
    out += u',';
    out += plain.substr(at, 3);
  }
  return out;
}

namespace {

// What tells the long line ("yy/mm/dd hh:mm") from the short one
// ("mm/dd-hh:mm").
struct ListingLayout {
  bool year;
  char16_t dateTimeSeparator;
  std::u16string_view directoryField;
  std::size_t sizeWidth;
  std::u16string_view afterSize;
};

constexpr ListingLayout kLongLayout{true, u' ', kLongDirField, kLongSizeWidth, u"  "};
constexpr ListingLayout kShortLayout{false, u'-', kShortDirField, kShortSizeWidth, u" "};

std::u16string ListingLine(const platform::FindData& entry, bool grouping,
                           const ListingLayout& layout) {
  std::u16string line;
  platform::SystemTime time;
  if (LocalWriteTime(entry, time)) {
    if (layout.year) {
      AppendTwoDigits(line, time.year < 2000 ? time.year - 1900 : time.year - 2000);
      line += u'/';
    }
    AppendTwoDigits(line, time.month);
    line += u'/';
    AppendTwoDigits(line, time.day);
    line += layout.dateTimeSeparator;
    AppendTwoDigits(line, time.hour);
    line += u':';
    AppendTwoDigits(line, time.minute);
  } else {
    line += kUnknownTime;
  }
  if (IsDirectoryEntry(entry)) {
    line += layout.directoryField;
  } else {
    AppendRightAligned(line, GroupDigits(entry.info.size, grouping), layout.sizeWidth);
    line += layout.afterSize;
  }
  line += entry.name;
  return line;
}

}  // namespace

std::u16string LongListingLine(const platform::FindData& entry, bool grouping) {
  return ListingLine(entry, grouping, kLongLayout);
}

std::u16string ShortListingLine(const platform::FindData& entry, bool grouping) {
  return ListingLine(entry, grouping, kShortLayout);
}

std::u16string ListingTotal(std::size_t count, std::uint64_t bytes, bool grouping, int columns) {
  const std::uint32_t id =
      columns >= kWideTotalColumns ? kListingTotalMessage : kNarrowTotalMessage;
  return FormatMessage(GetMessageText(id),
                       {static_cast<long long>(count), GroupDigits(bytes, grouping)});
}

std::u16string WideTotal(std::size_t count, std::uint64_t bytes, bool grouping) {
  return FormatMessage(GetMessageText(kWideTotalMessage),
                       {static_cast<long long>(count), GroupDigits(bytes, grouping)});
}

std::size_t WideWidth(const platform::FindData& entry) {
  return platform::AnsiByteLength(entry.name) + 1 + (IsDirectoryEntry(entry) ? 2 : 0);
}

std::vector<std::u16string> WideRows(const std::vector<platform::FindData>& entries,
                                     const std::vector<std::size_t>& widths, int columns) {
  const std::size_t widest = widths.empty() ? 0 : *std::max_element(widths.begin(), widths.end());
  std::size_t perRow = 1;
  std::size_t pitch = 0;  // no padding with one name per row
  if (columns > 0 && (static_cast<std::size_t>(columns) + 2) / (widest + 2) >= 1) {
    perRow = (static_cast<std::size_t>(columns) + 2) / (widest + 2);
    pitch = widest + 2;
  }
  std::vector<std::u16string> rows;
  std::u16string row;
  std::size_t position = 0;
  std::size_t inRow = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (IsDirectoryEntry(entries[i])) {
      row += u'[';
      row += entries[i].name;
      row += u']';
    } else {
      row += entries[i].name;
    }
    position += widths[i];
    ++inRow;
    if (inRow == perRow) {
      rows.push_back(std::move(row));
      row.clear();
      position = 0;
      inRow = 0;
    } else if (i + 1 < entries.size()) {
      while (position < inRow * pitch) {
        row += u' ';
        ++position;
      }
    }
  }
  if (inRow > 0) rows.push_back(std::move(row));
  return rows;
}

}  // namespace tessera
