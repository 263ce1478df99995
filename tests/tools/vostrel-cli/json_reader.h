#pragma once
// A small strict JSON reader for the companion's tests: what a script would
// do with --json output. Throws std::runtime_error on anything that is not
// one JSON value (trailing text included).

#include <cstddef>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace vostrel::cli::testing_support {

struct Json {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  bool boolean = false;
  double number = 0;
  std::wstring text;
  std::vector<Json> items;
  std::map<std::wstring, Json> members;

  const Json& operator[](const std::wstring& key) const {
    const auto at = members.find(key);
    if (kind != Kind::Object || at == members.end()) throw std::runtime_error("no member");
    return at->second;
  }
  const Json& operator[](std::size_t index) const { return items.at(index); }
  bool Has(const std::wstring& key) const { return members.contains(key); }
};

class JsonReader {
 public:
  static Json Parse(const std::wstring& text) {
    JsonReader reader(text);
    Json value = reader.Value();
    reader.Space();
    if (reader.at_ != text.size()) throw std::runtime_error("text after the value");
    return value;
  }

 private:
  explicit JsonReader(const std::wstring& text) : text_(text) {}

  void Space() {
    while (at_ < text_.size() &&
           (text_[at_] == L' ' || text_[at_] == L'\n' || text_[at_] == L'\r' || text_[at_] == L'\t'))
      ++at_;
  }
  wchar_t Peek() {
    Space();
    if (at_ >= text_.size()) throw std::runtime_error("unexpected end");
    return text_[at_];
  }
  void Expect(wchar_t c) {
    if (Peek() != c) throw std::runtime_error("unexpected character");
    ++at_;
  }
  bool Word(const wchar_t* word) {
    const std::wstring w(word);
    if (text_.compare(at_, w.size(), w) != 0) return false;
    at_ += w.size();
    return true;
  }

  Json Value() {
    Json value;
    const wchar_t c = Peek();
    if (c == L'{') {
      value.kind = Json::Kind::Object;
      ++at_;
      if (Peek() == L'}') return ++at_, value;
      for (;;) {
        const std::wstring key = String();
        Expect(L':');
        if (!value.members.emplace(key, Value()).second) throw std::runtime_error("member twice");
        if (Peek() == L'}') return ++at_, value;
        Expect(L',');
      }
    }
    if (c == L'[') {
      value.kind = Json::Kind::Array;
      ++at_;
      if (Peek() == L']') return ++at_, value;
      for (;;) {
        value.items.push_back(Value());
        if (Peek() == L']') return ++at_, value;
        Expect(L',');
      }
    }
    if (c == L'"') {
      value.kind = Json::Kind::String;
      value.text = String();
      return value;
    }
    if (Word(L"true") || Word(L"false")) {
      value.kind = Json::Kind::Bool;
      value.boolean = text_[at_ - 1] == L'e' && text_[at_ - 2] == L'u';
      return value;
    }
    if (Word(L"null")) return value;
    std::size_t end = at_;
    while (end < text_.size() && (std::wstring_view(L"-+.eE0123456789").find(text_[end]) != std::wstring_view::npos))
      ++end;
    if (end == at_) throw std::runtime_error("not a value");
    value.kind = Json::Kind::Number;
    value.number = std::stod(text_.substr(at_, end - at_));
    at_ = end;
    return value;
  }

  std::wstring String() {
    Expect(L'"');
    std::wstring out;
    while (at_ < text_.size() && text_[at_] != L'"') {
      wchar_t c = text_[at_++];
      if (c < 0x20) throw std::runtime_error("control character in a string");
      if (c == L'\\') {
        if (at_ >= text_.size()) throw std::runtime_error("cut escape");
        const wchar_t e = text_[at_++];
        switch (e) {
          case L'"': c = L'"'; break;
          case L'\\': c = L'\\'; break;
          case L'/': c = L'/'; break;
          case L'n': c = L'\n'; break;
          case L'r': c = L'\r'; break;
          case L't': c = L'\t'; break;
          case L'b': c = L'\b'; break;
          case L'f': c = L'\f'; break;
          case L'u':
            c = static_cast<wchar_t>(std::stoi(text_.substr(at_, 4), nullptr, 16));
            at_ += 4;
            break;
          default: throw std::runtime_error("unknown escape");
        }
      }
      out += c;
    }
    Expect(L'"');
    return out;
  }

  const std::wstring& text_;
  std::size_t at_ = 0;
};

}  // namespace vostrel::cli::testing_support
