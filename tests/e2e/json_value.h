// A small JSON reader for the tests: it accepts exactly the grammar of RFC
// 8259 and gives the value as a tree, so that a test both checks that an
// output is valid JSON and reads its numbers.
#ifndef BRANTLOW_TESTS_E2E_JSON_VALUE_H_
#define BRANTLOW_TESTS_E2E_JSON_VALUE_H_

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace brantlow::e2e {

struct JsonValue {
  enum Kind { kNull, kBool, kNumber, kString, kArray, kObject } kind = kNull;
  bool boolean = false;
  double number = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::map<std::string, JsonValue> members;

  const JsonValue& operator[](const std::string& key) const {
    static const JsonValue kMissing;
    auto found = members.find(key);
    return found == members.end() ? kMissing : found->second;
  }
};

class JsonReader {
 public:
  // False, with the offset of the fault in error_at, for text that is not
  // one JSON value.
  bool Read(const std::string& text, JsonValue& value) {
    text_ = &text;
    at_ = 0;
    if (!Value(value)) return false;
    Space();
    return at_ == text.size();
  }
  std::size_t error_at() const { return at_; }

 private:
  char Peek() const { return at_ < text_->size() ? (*text_)[at_] : '\0'; }
  void Space() {
    while (at_ < text_->size() && (Peek() == ' ' || Peek() == '\t' ||
                                   Peek() == '\n' || Peek() == '\r'))
      ++at_;
  }
  bool Literal(const char* word) {
    const std::string w = word;
    if (text_->compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }
  bool Value(JsonValue& v) {
    Space();
    const char c = Peek();
    if (c == '{') return Object(v);
    if (c == '[') return Array(v);
    if (c == '"') {
      v.kind = JsonValue::kString;
      return String(v.text);
    }
    if (c == 't' || c == 'f') {
      v.kind = JsonValue::kBool;
      v.boolean = c == 't';
      return Literal(c == 't' ? "true" : "false");
    }
    if (c == 'n') return Literal("null");
    return Number(v);
  }
  bool Number(JsonValue& v) {
    const std::size_t start = at_;
    if (Peek() == '-') ++at_;
    if (Peek() == '0') {
      ++at_;
    } else if (Peek() >= '1' && Peek() <= '9') {
      while (Peek() >= '0' && Peek() <= '9') ++at_;
    } else {
      return false;
    }
    if (Peek() == '.') {
      ++at_;
      if (!(Peek() >= '0' && Peek() <= '9')) return false;
      while (Peek() >= '0' && Peek() <= '9') ++at_;
    }
    if (Peek() == 'e' || Peek() == 'E') {
      ++at_;
      if (Peek() == '+' || Peek() == '-') ++at_;
      if (!(Peek() >= '0' && Peek() <= '9')) return false;
      while (Peek() >= '0' && Peek() <= '9') ++at_;
    }
    v.kind = JsonValue::kNumber;
    v.number = std::strtod(text_->substr(start, at_ - start).c_str(), nullptr);
    return true;
  }
  bool String(std::string& out) {
    ++at_;  // the opening quote
    for (;;) {
      if (at_ >= text_->size()) return false;
      const unsigned char c = static_cast<unsigned char>((*text_)[at_++]);
      if (c == '"') return true;
      if (c < 0x20) return false;
      if (c != '\\') {
        out += static_cast<char>(c);
        continue;
      }
      const char e = Peek();
      ++at_;
      switch (e) {
        case '"':
        case '\\':
        case '/': out += e; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          if (at_ + 4 > text_->size()) return false;
          const long code =
              std::strtol(text_->substr(at_, 4).c_str(), nullptr, 16);
          at_ += 4;
          out += code < 0x80 ? static_cast<char>(code) : '?';
          break;
        }
        default: return false;
      }
    }
  }
  bool Array(JsonValue& v) {
    v.kind = JsonValue::kArray;
    ++at_;
    Space();
    if (Peek() == ']') return ++at_, true;
    for (;;) {
      v.items.emplace_back();
      if (!Value(v.items.back())) return false;
      Space();
      if (Peek() == ']') return ++at_, true;
      if (Peek() != ',') return false;
      ++at_;
    }
  }
  bool Object(JsonValue& v) {
    v.kind = JsonValue::kObject;
    ++at_;
    Space();
    if (Peek() == '}') return ++at_, true;
    for (;;) {
      Space();
      std::string key;
      if (Peek() != '"' || !String(key)) return false;
      Space();
      if (Peek() != ':') return false;
      ++at_;
      if (!Value(v.members[key])) return false;
      Space();
      if (Peek() == '}') return ++at_, true;
      if (Peek() != ',') return false;
      ++at_;
    }
  }

  const std::string* text_ = nullptr;
  std::size_t at_ = 0;
};

}  // namespace brantlow::e2e

#endif  // BRANTLOW_TESTS_E2E_JSON_VALUE_H_
