#pragma once

#include <string>
#include <string_view>

#include "app/constants.h"

namespace web {

/// A small writer of JSON text: objects, arrays, strings, numbers and
/// booleans, commas put in where they belong. Numbers that are no number
/// (NaN, infinities) are written as null, which JSON has instead.
class JsonWriter {
 public:
  void BeginObject() { Open('{'); }
  void EndObject() { Close('}'); }
  void BeginArray() { Open('['); }
  void EndArray() { Close(']'); }
  /// The key of the next member of an object.
  void Key(std::string_view key);
  void String(std::string_view value);
  /// `value` with `digits` significant digits, by default as many as read
  /// back to the same double.
  void Number(double value, int digits = app::kExactDoubleDigits);
  void Int(long long value);
  void Bool(bool value);
  void Null();

  const std::string& Text() const { return text_; }
  void Clear();

 private:
  void Open(char bracket);
  void Close(char bracket);
  void Separate();

  std::string text_;
  bool first_ = true;  // no value yet at the current level
  bool afterKey_ = false;
};

}  // namespace web
