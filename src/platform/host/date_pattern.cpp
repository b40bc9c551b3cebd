#include "platform/host/date_pattern.h"

#include "platform/ascii.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace curfew::platform::date_pattern {
namespace {

using ascii::EqualsIgnoringCase;

using namespace std::chrono;

constexpr std::array<std::string_view, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                          "May",       "June",     "July",     "August",
                                                          "September", "October",  "November", "December"};
constexpr std::array<std::string_view, 7> kDayNames = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                                       "Friday", "Saturday", "Sunday"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
std::string Padded(long long value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

// Calls emit(letter, runLength) for each field run and literal(text) for the rest of a picture.
template <typename Field, typename Literal>
void WalkPicture(std::string_view picture, Field field, Literal literal) {
  for (std::size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'' && i + 1 < picture.size() && picture[i + 1] == '\'') {
      literal("'");  // two quotes stand for one
      i += 2;
      continue;
    }
    if (c == '\'') {
      std::string text;
      std::size_t j = i + 1;
      while (j < picture.size()) {
        if (picture[j] == '\'') {
          if (j + 1 < picture.size() && picture[j + 1] == '\'') {
            text += '\'';
            j += 2;
            continue;
          }
          break;
        }
        text += picture[j++];
      }
      literal(text);
      i = j + 1;
      continue;
    }
    if (IsAsciiLetter(c)) {
      std::size_t run = 1;
      while (i + run < picture.size() && picture[i + run] == c) ++run;
      field(c, run);
      i += run;
      continue;
    }
    literal(std::string_view(&picture[i], 1));
    ++i;
  }
}

std::optional<int> MonthFromName(std::string_view word) {
  for (std::size_t m = 0; m < kMonthNames.size(); ++m) {
    if (EqualsIgnoringCase(word, kMonthNames[m]) || EqualsIgnoringCase(word, kMonthNames[m].substr(0, 3)))
      return static_cast<int>(m + 1);
  }
  return std::nullopt;
}

bool IsDayName(std::string_view word) {
  return std::any_of(kDayNames.begin(), kDayNames.end(), [&](std::string_view name) {
    return EqualsIgnoringCase(word, name) || EqualsIgnoringCase(word, name.substr(0, 3));
  });
}

struct Token {
  bool number;
  std::string text;
};

// Splits text into runs of digits and runs of letters; nullopt when it holds a character that
// cannot belong to a date (a colon, a control character, anything beyond ASCII).
std::optional<std::vector<Token>> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (IsDigit(c) || IsAsciiLetter(c)) {
      const bool number = IsDigit(c);
      std::size_t j = i;
      while (j < text.size() && (number ? IsDigit(text[j]) : IsAsciiLetter(text[j]))) ++j;
      tokens.push_back({number, std::string(text.substr(i, j - i))});
      i = j;
      continue;
    }
    const bool separator = c == ' ' || c == '/' || c == '-' || c == '.' || c == ',';
    if (!separator) return std::nullopt;
    ++i;
  }
  return tokens;
}

std::optional<int> SmallNumber(const std::string& digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  return std::stoi(digits);
}

}  // namespace

std::string RemoveBlanks(std::string_view picture) {
  std::string result(picture);
  std::erase(result, ' ');
  return result;
}

std::string FormatDate(std::string_view picture, year_month_day date) {
  const int year = static_cast<int>(date.year());
  const unsigned month = static_cast<unsigned>(date.month());
  const unsigned day = static_cast<unsigned>(date.day());
  const unsigned isoDay = weekday(sys_days(date)).iso_encoding();
  std::string out;
  WalkPicture(
      picture,
      [&](char letter, std::size_t run) {
        switch (letter) {
          case 'd':
            if (run <= 2)
              out += Padded(day, run);
            else if (run == 3)
              out += kDayNames[isoDay - 1].substr(0, 3);
            else
              out += kDayNames[isoDay - 1];
            break;
          case 'M':
            if (run <= 2)
              out += Padded(month, run);
            else if (run == 3)
              out += kMonthNames[month - 1].substr(0, 3);
            else
              out += kMonthNames[month - 1];
            break;
          case 'y':
            if (run <= 2)
              out += Padded(year % 100, run);
            else
              out += Padded(year, 4);
            break;
          case 'g': out += "A.D."; break;
          default: out.append(run, letter);
        }
      },
      [&](std::string_view text) { out += text; });
  return out;
}

std::string FormatTime(std::string_view picture, const TimeOfDay& time, bool seconds) {
  std::string out;
  const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
  const std::string_view marker = time.hour < 12 ? "AM" : "PM";
  std::size_t beforeLiteral = 0;  // where the text between the last field and the next began
  WalkPicture(
      picture,
      [&](char letter, std::size_t run) {
        const std::size_t width = std::min<std::size_t>(run, 2);
        switch (letter) {
          case 'h': out += Padded(hour12, width); break;
          case 'H': out += Padded(time.hour, width); break;
          case 'm': out += Padded(time.minute, width); break;
          case 's':
            if (seconds)
              out += Padded(time.second, width);
            else
              out.resize(beforeLiteral);  // the seconds go with the separator before them
            break;
          case 't': out += marker.substr(0, width); break;
          default: out.append(run, letter);
        }
        beforeLiteral = out.size();
      },
      [&](std::string_view text) { out += text; });
  return out;
}

std::optional<year_month_day> ReadDate(std::string_view picture, std::string_view text) {
  // The order in which the picture's numeric fields appear.
  std::vector<char> order;
  WalkPicture(
      picture,
      [&](char letter, std::size_t run) {
        if (letter != 'd' && letter != 'M' && letter != 'y') return;
        if (letter == 'd' && run > 2) return;  // a day name, not a number
        if (std::find(order.begin(), order.end(), letter) == order.end()) order.push_back(letter);
      },
      [](std::string_view) {});
  if (order.size() != 3) order = {'M', 'd', 'y'};

  const auto tokens = Tokenize(text);
  if (!tokens) return std::nullopt;

  std::optional<int> month;
  std::vector<std::string> numbers;
  for (const Token& token : *tokens) {
    if (token.number) {
      numbers.push_back(token.text);
      continue;
    }
    if (auto named = MonthFromName(token.text); named && !month) {
      month = named;
    } else if (!IsDayName(token.text)) {
      return std::nullopt;
    }
  }

  std::vector<char> fields = order;
  if (month) std::erase(fields, 'M');
  if (numbers.size() != fields.size()) return std::nullopt;
  // A leading number of three or more digits can only be a year: year, month, day.
  if (numbers.front().size() >= 3 && fields.front() != 'y') {
    fields = month ? std::vector<char>{'y', 'd'} : std::vector<char>{'y', 'M', 'd'};
  }

  std::optional<int> day;
  std::optional<int> year;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto value = SmallNumber(numbers[i]);
    if (!value) return std::nullopt;
    switch (fields[i]) {
      case 'd': day = value; break;
      case 'M': month = value; break;
      case 'y':
        if (numbers[i].size() <= 2)
          year = *value < 30 ? 2000 + *value : 1900 + *value;
        else if (*value >= 100 && *value <= 9999)
          year = value;
        else
          return std::nullopt;
        break;
    }
  }
  // Checked before the calendar types see them: they keep only the low byte of a day or month.
  if (!day || !month || !year || *day < 1 || *day > 31 || *month < 1 || *month > 12) return std::nullopt;
  const year_month_day date{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
                            std::chrono::day(static_cast<unsigned>(*day))};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::optional<TimeOfDay> ReadTime(std::string_view text) {
  const auto trimmedStart = text.find_first_not_of(' ');
  if (trimmedStart == std::string_view::npos) return std::nullopt;
  text.remove_prefix(trimmedStart);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);

  // An AM or PM marker (or its first letter) at the end.
  std::optional<bool> afternoon;
  std::size_t letters = 0;
  while (letters < text.size() && IsAsciiLetter(text[text.size() - 1 - letters])) ++letters;
  if (letters > 0) {
    const std::string_view marker = text.substr(text.size() - letters);
    if (EqualsIgnoringCase(marker, "AM") || EqualsIgnoringCase(marker, "A"))
      afternoon = false;
    else if (EqualsIgnoringCase(marker, "PM") || EqualsIgnoringCase(marker, "P"))
      afternoon = true;
    else
      return std::nullopt;
    text.remove_suffix(letters);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  }

  std::vector<int> parts;
  std::size_t i = 0;
  while (true) {
    std::size_t j = i;
    while (j < text.size() && IsDigit(text[j])) ++j;
    if (j == i || j - i > 2) return std::nullopt;
    parts.push_back(std::stoi(std::string(text.substr(i, j - i))));
    if (j == text.size()) break;
    if (text[j] != ':' || parts.size() == 3) return std::nullopt;
    i = j + 1;
  }
  if (parts.size() < 2) return std::nullopt;

  TimeOfDay time{parts[0], parts[1], parts.size() == 3 ? parts[2] : 0};
  if (afternoon) {
    if (time.hour < 1 || time.hour > 12) return std::nullopt;
    time.hour = (time.hour % 12) + (*afternoon ? 12 : 0);
  }
  if (time.hour > 23 || time.minute > 59 || time.second > 59) return std::nullopt;
  return time;
}

}  // namespace curfew::platform::date_pattern
