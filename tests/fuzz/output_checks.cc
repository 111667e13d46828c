// What the outputs fuzz target demands of every output; compiled without
// coverage, so that the fuzzer's time goes to the code under test.
#include "tests/fuzz/output_checks.h"

#include <cctype>
#include <cstdlib>
#include <string>

#include "tests/e2e/json_value.h"

namespace brantlow {

namespace {

bool ValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t extra = b < 0x80             ? 0
                              : (b & 0xE0) == 0xC0 ? 1
                              : (b & 0xF0) == 0xE0 ? 2
                              : (b & 0xF8) == 0xF0 ? 3
                                                   : 9;
    if (extra == 9 || (extra == 1 && b < 0xC2) || text.size() - i <= extra)
      return false;
    for (std::size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
        return false;
    i += 1 + extra;
  }
  return true;
}

// The number of fields of each record, quotes honoured; false when one
// differs from the header's or a quote is left open.
bool EvenRecords(std::string_view csv) {
  std::size_t header = 0, fields = 1;
  bool quoted = false;
  for (std::size_t i = 0; i < csv.size(); ++i) {
    const char c = csv[i];
    if (quoted) {
      if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
        ++i;
      else if (c == '"')
        quoted = false;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      ++fields;
    } else if (c == '\n') {
      if (header == 0) header = fields;
      if (fields != header) return false;
      fields = 1;
    }
  }
  return !quoted;
}

bool KnownTag(std::string_view name) {
  static constexpr std::string_view kTags[] = {
      "!DOCTYPE", "body", "br",    "div",   "figure", "footer", "g",
      "h1",       "h2",   "head",  "html",  "li",     "line",   "meta",
      "p",        "rect", "style", "svg",   "table",  "tbody",  "td",
      "text",     "th",   "thead", "title", "tr",     "ul"};
  // Compared by hand: the fuzzer's hooks on memcmp cost more than this.
  for (std::string_view tag : kTags) {
    std::size_t k = 0;
    while (k < tag.size() && k < name.size() && tag[k] == name[k]) ++k;
    if (k == tag.size() && k == name.size()) return true;
  }
  return false;
}

// Whether every "<" of the page opens (or closes) one of its own tags.
bool OwnTagsOnly(std::string_view page) {
  for (std::size_t at = page.find('<'); at != std::string_view::npos;
       at = page.find('<', at + 1)) {
    std::size_t name = at + 1 + (at + 1 < page.size() && page[at + 1] == '/');
    std::size_t end = name;
    while (end < page.size() && page[end] != ' ' && page[end] != '>' &&
           page[end] != '/')
      ++end;
    if (!KnownTag(page.substr(name, end - name))) return false;
  }
  return true;
}

// A strict JSON check that builds nothing: RFC 8259, one value, no
// NaN or Infinity, no control byte inside a string.
class JsonCheck {
 public:
  explicit JsonCheck(std::string_view text) : text_(text) {}
  bool Whole() {
    Blanks();
    if (!Value()) return false;
    Blanks();
    return at_ == text_.size();
  }

 private:
  char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
  void Blanks() {
    while (at_ < text_.size() && (Peek() == ' ' || Peek() == '\n' ||
                                  Peek() == '\r' || Peek() == '\t'))
      ++at_;
  }
  bool Digits() {
    const std::size_t from = at_;
    while (Peek() >= '0' && Peek() <= '9') ++at_;
    return at_ > from;
  }
  bool Literal(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }
  bool Number() {
    if (Peek() == '-') ++at_;
    if (Peek() == '0')
      ++at_;
    else if (!Digits())
      return false;
    if (Peek() == '.' && (++at_, !Digits())) return false;
    if (Peek() == 'e' || Peek() == 'E') {
      ++at_;
      if (Peek() == '+' || Peek() == '-') ++at_;
      if (!Digits()) return false;
    }
    return true;
  }
  bool String() {
    for (++at_; at_ < text_.size(); ++at_) {
      const auto c = static_cast<unsigned char>(text_[at_]);
      if (c == '"') return ++at_, true;
      if (c < 0x20) return false;
      if (c != '\\') continue;
      const char e = ++at_ < text_.size() ? text_[at_] : '\0';
      if (e == 'u') {
        for (int k = 0; k < 4; ++k)
          if (++at_ >= text_.size() ||
              !std::isxdigit(static_cast<unsigned char>(text_[at_])))
            return false;
      } else if (std::string_view("\"\\/bfnrt").find(e) ==
                     std::string_view::npos ||
                 e == '\0') {
        return false;
      }
    }
    return false;
  }
  // Members of an object (with close '}') or items of an array (']').
  bool Items(char close, bool keyed) {
    ++at_;
    Blanks();
    if (Peek() == close) return ++at_, true;
    for (;;) {
      Blanks();
      if (keyed) {
        if (Peek() != '"' || !String()) return false;
        Blanks();
        if (Peek() != ':') return false;
        ++at_;
        Blanks();
      }
      if (!Value()) return false;
      Blanks();
      if (Peek() == close) return ++at_, true;
      if (Peek() != ',') return false;
      ++at_;
    }
  }
  bool Value() {
    if (++depth_ > 64) return false;
    bool ok;
    switch (Peek()) {
      case '{': ok = Items('}', true); break;
      case '[': ok = Items(']', false); break;
      case '"': ok = String(); break;
      case 't': ok = Literal("true"); break;
      case 'f': ok = Literal("false"); break;
      case 'n': ok = Literal("null"); break;
      default: ok = Number();
    }
    --depth_;
    return ok;
  }
  std::string_view text_;
  std::size_t at_ = 0;
  int depth_ = 0;
};

void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace

void CheckOutputs(std::string_view sessions, std::string_view addresses,
                  std::string_view json, std::string_view page) {
  for (std::string_view text : {sessions, addresses, json, page})
    Check(ValidUtf8(text));
  Check(EvenRecords(sessions) && EvenRecords(addresses));
  Check(JsonCheck(json).Whole());
  // The tests' own reader too, now and then: it builds every value, which
  // costs more than all the rest.
  static unsigned calls = 0;
  if (calls++ % 16 == 0) {
    e2e::JsonValue value;
    Check(e2e::JsonReader().Read(std::string(json), value));
  }
  Check(OwnTagsOnly(page));
}

}  // namespace brantlow
