#include "ReplyFields.h"

#include "DecimalText.h"

namespace mosaic {

std::string chars(std::string_view chunk, int a, int b) {
  if (a < 1) a = 1;
  if (b < a || static_cast<std::size_t>(a) > chunk.size()) return {};
  return std::string(chunk.substr(static_cast<std::size_t>(a - 1), static_cast<std::size_t>(b - a + 1)));
}

bool has_keyword(std::string_view chunk, const ReplyLayout& layout) {
  const int last = layout.key_first + static_cast<int>(layout.keyword.size()) - 1;
  return chars(chunk, layout.key_first, last) == layout.keyword;
}

std::string value_text(std::string_view chunk, const ReplyLayout& layout, int field) {
  if (field < 0 || field >= layout.field_count) return {};
  const int offset = field * layout.field_step;
  return chars(chunk, layout.value_first + offset, layout.value_last + offset);
}

long long value_number(std::string_view chunk, const ReplyLayout& layout) {
  return field_number(value_text(chunk, layout));
}

}  // namespace mosaic
