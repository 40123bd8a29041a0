#include "runtime/date_text.h"

#include <cstdio>

#include "runtime/date.h"

namespace pellora {

namespace {

class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  // Reads an unsigned number of `min_digits` to `max_digits` digits.
  bool Number(int min_digits, int max_digits, int* value) {
    int digits = 0;
    *value = 0;
    while (digits < max_digits && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
      *value = *value * 10 + (text_[pos_++] - '0');
      ++digits;
    }
    return digits >= min_digits;
  }

  bool Take(std::string_view any_of) {
    if (pos_ >= text_.size() || any_of.find(text_[pos_]) == std::string_view::npos) return false;
    ++pos_;
    return true;
  }

  void SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }

  bool AtEnd() const { return pos_ == text_.size(); }
  size_t position() const { return pos_; }
  void Rewind(size_t pos) { pos_ = pos; }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

constexpr std::string_view kDateSeparators = "-/";

bool ReadDate(Reader* reader, DateParts* parts) {
  const size_t start = reader->position();
  if (reader->Number(4, 4, &parts->year) && reader->Take(kDateSeparators) &&
      reader->Number(1, 2, &parts->month) && reader->Take(kDateSeparators) &&
      reader->Number(1, 2, &parts->day)) {
    return true;
  }
  reader->Rewind(start);
  return reader->Number(1, 2, &parts->day) && reader->Take(kDateSeparators) &&
         reader->Number(1, 2, &parts->month) && reader->Take(kDateSeparators) &&
         reader->Number(4, 4, &parts->year);
}

bool ReadTime(Reader* reader, DateParts* parts) {
  if (!reader->Number(1, 2, &parts->hour) || !reader->Take(":") ||
      !reader->Number(2, 2, &parts->minute)) {
    return false;
  }
  return !reader->Take(":") || reader->Number(2, 2, &parts->second);
}

bool InRange(const DateParts& parts) {
  return parts.month >= 1 && parts.month <= 12 && parts.day >= 1 && parts.hour < 24 &&
         parts.minute < 60 && parts.second < 60;
}

}  // namespace

std::optional<Date> ParseDateText(std::string_view text) {
  Reader reader(text);
  DateParts parts;
  reader.SkipBlanks();
  if (!ReadDate(&reader, &parts)) return std::nullopt;
  const size_t date_end = reader.position();
  reader.SkipBlanks();
  if (!reader.AtEnd() && (reader.position() == date_end || !ReadTime(&reader, &parts))) {
    return std::nullopt;
  }
  reader.SkipBlanks();
  if (!reader.AtEnd() || !InRange(parts)) return std::nullopt;
  const Date date = DateFromParts(parts);
  // A day past the month's end comes back as another day: 31-04 is no date.
  if (PartsOf(date).day != parts.day) return std::nullopt;
  return date;
}

std::string IsoDateTimeText(Date date) {
  const DateParts p = PartsOf(date);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                p.minute, p.second);
  return text;
}

}  // namespace pellora
